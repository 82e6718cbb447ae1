# Copies the native tree's classic.skn into the Windows tree (cmake -P, with SOURCE and
# TARGET set); warns when the native tree has not made it yet.
if(EXISTS "${SOURCE}")
  file(COPY_FILE "${SOURCE}" "${TARGET}" ONLY_IF_DIFFERENT)
else()
  message(WARNING "classic.skn not found at ${SOURCE}: build the native tree first")
endif()
