// quillpack's PE resource code: the resource section written and read back, a stub
// given new resources with its other bytes kept, icon groups from .ico files and from
// programs, version texts, the launcher stub checks and hostile resource directories.
#include <gtest/gtest.h>

#include "pe/icon_version.h"
#include "pe/le_bytes.h"
#include "pe/stub_resources.h"
#include "pe_sample.h"

namespace {
using pe::Resource;
using pe::ResourceId;

Resource Make(ResourceId type, ResourceId name, uint32_t language, const std::string& bytes) {
  Resource r;
  r.type = type;
  r.name = name;
  r.language = language;
  r.codePage = 1252;
  r.data.assign(bytes.begin(), bytes.end());
  return r;
}

std::vector<Resource> Read(const std::vector<uint8_t>& file) {
  return pe::ReadResources(pe::MemoryReader(file), pe::ParseImage(pe::MemoryReader(file), int64_t(file.size())));
}

TEST(PeResources, SectionReadsBackInDirectoryOrder) {
  const std::vector<Resource> given = {
      Make(ResourceId::Number(24), ResourceId::Number(1), 0, "manifest"),
      Make(ResourceId::Text("CUSTOM"), ResourceId::Text("Beta"), 0x407, "b1"),
      Make(ResourceId::Text("CUSTOM"), ResourceId::Text("ALPHA"), 0x409, "a"),
      Make(ResourceId::Number(6), ResourceId::Number(3), 0x409, std::string(1000, 's')),
      Make(ResourceId::Number(6), ResourceId::Number(3), 0x407, ""),
  };
  pesample::Options o;
  o.resources = given;
  const std::vector<Resource> back = Read(pesample::Image(o));
  ASSERT_EQ(back.size(), given.size());
  // Names before numbers, names by their characters, languages ascending.
  EXPECT_EQ(back[0].name, ResourceId::Text("ALPHA"));
  EXPECT_EQ(back[1].name, ResourceId::Text("Beta"));
  EXPECT_EQ(back[2].type, ResourceId::Number(6));
  EXPECT_EQ(back[2].language, 0x407u);
  EXPECT_TRUE(back[2].data.empty());
  EXPECT_EQ(back[3].data.size(), 1000u);
  EXPECT_EQ(back[4].type, ResourceId::Number(24));
  EXPECT_EQ(std::string(back[4].data.begin(), back[4].data.end()), "manifest");
  EXPECT_EQ(back[1].codePage, 1252u);
}

TEST(PeResources, NewSectionKeepsTheRestOfTheStub) {
  pesample::Options o;
  o.resources = pesample::ProgramResources(ResourceId::Text("MAINICON"), 0xFFFF0000, {{"FileDescription", "L"}});
  const std::vector<uint8_t> stub = pesample::Image(o);
  const std::vector<Resource> fresh = {Make(ResourceId::Number(16), ResourceId::Number(1), 0, "new version")};
  const std::vector<uint8_t> out = pe::WithResources(stub, fresh);

  const pe::Image before = pe::ParseImage(pe::MemoryReader(stub), int64_t(stub.size()));
  const pe::Image after = pe::ParseImage(pe::MemoryReader(out), int64_t(out.size()));
  ASSERT_EQ(after.sections.size(), before.sections.size() + 1);
  const pe::Section& added = after.sections.back();
  EXPECT_EQ(added.rawOffset, stub.size());  // the stub's size is already aligned here
  EXPECT_EQ(added.virtualAddress % after.sectionAlignment, 0u);
  EXPECT_GE(after.sizeOfImage, added.virtualAddress + added.virtualSize);
  EXPECT_EQ(after.Directory(pe::kResourceDirectory).address, added.virtualAddress);
  // Outside the changed header fields every stub byte is as it was.
  const int64_t changed[][2] = {{after.fileHeaderOffset + 2, 2},
                                {after.optionalHeaderOffset + 8, 4},
                                {after.optionalHeaderOffset + 56, 4},
                                {after.DirectoryEntryOffset(pe::kResourceDirectory), 8},
                                {after.sectionTableOffset + 40 * int64_t(before.sections.size()), 40}};
  for (size_t i = 0; i < stub.size(); ++i) {
    bool inChanged = false;
    for (const auto& c : changed) inChanged = inChanged || (int64_t(i) >= c[0] && int64_t(i) < c[0] + c[1]);
    if (!inChanged) {
      ASSERT_EQ(stub[i], out[i]) << "byte " << i;
    }
  }
  const std::vector<Resource> back = Read(out);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(std::string(back[0].data.begin(), back[0].data.end()), "new version");
}

TEST(PeResources, FirstIconGroupIsRenamedAndItsImagesRenumbered) {
  std::vector<Resource> program = pesample::ProgramResources(ResourceId::Number(7), 0xFF0000FF, {});
  // A second group and a group entry naming a missing image.
  program.push_back(Make(ResourceId::Number(pe::kTypeGroupIcon), ResourceId::Number(9), 0, std::string(20, '\0')));
  std::vector<uint8_t>& group = program[0].data;
  group.insert(group.end(), group.end() - 14, group.end());
  pe::le::Put16(&group[group.size() - 2], 99);
  pe::le::Put16(&group[4], 3);

  const std::vector<Resource> icon = pe::FirstIconGroup(program);
  ASSERT_EQ(icon.size(), 3u);
  EXPECT_EQ(icon[0].name, ResourceId::Text("MAINICON"));
  ASSERT_EQ(icon[0].data.size(), 6u + 2 * 14);
  EXPECT_EQ(pe::le::U16(&icon[0].data[4]), 2);
  EXPECT_EQ(pe::le::U16(&icon[0].data[6 + 12]), 1);
  EXPECT_EQ(pe::le::U16(&icon[0].data[6 + 14 + 12]), 2);
  EXPECT_EQ(icon[1].name, ResourceId::Number(1));
  EXPECT_EQ(icon[2].data, program[2].data);
  EXPECT_TRUE(pe::FirstIconGroup({}).empty());
}

TEST(PeResources, IcoFilesAndTheirFaults) {
  const std::vector<uint8_t> ico = pesample::Ico(2, 0xFF123456);
  const std::vector<Resource> icon = pe::IconsFromIcoFile(ico);
  ASSERT_EQ(icon.size(), 3u);
  EXPECT_EQ(icon[0].type, ResourceId::Number(pe::kTypeGroupIcon));
  EXPECT_EQ(icon[1].data.size(), 40u + 1024 + 64);
  std::vector<uint8_t> truncated(ico.begin(), ico.end() - 10);
  EXPECT_THROW(pe::IconsFromIcoFile(truncated), pe::FormatError);
  EXPECT_THROW(pe::IconsFromIcoFile({0, 0, 1, 0, 0, 0}), pe::FormatError);
  EXPECT_THROW(pe::IconsFromIcoFile({'M', 'Z'}), pe::FormatError);
  std::vector<uint8_t> far = ico;
  pe::le::Put32(&far[6 + 12], 0xFFFFFFF0u);
  EXPECT_THROW(pe::IconsFromIcoFile(far), pe::FormatError);
}

TEST(PeResources, VersionTextsAndFixedVersions) {
  const std::vector<uint8_t> v = pesample::Version({{"FileDescription", "Thing"}, {"ProductName", "Suite"}}, 3, 14);
  pe::VersionInfo info;
  ASSERT_TRUE(pe::ParseVersionInfo(v, info));
  EXPECT_EQ(info.Get("FileDescription"), "Thing");
  EXPECT_EQ(info.Get("ProductName"), "Suite");
  EXPECT_EQ(info.fileVersion[0], 3);
  EXPECT_EQ(info.fileVersion[1], 14);
  for (size_t cut = 0; cut < v.size(); cut += 7) {
    std::vector<uint8_t> part(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(cut));
    pe::ParseVersionInfo(part, info);  // any result, no fault
  }
  EXPECT_FALSE(pe::ParseVersionInfo({}, info));
}

TEST(PeResources, LauncherStubChecks) {
  auto refusal = [](const pesample::Options& o) {
    const std::vector<uint8_t> b = pesample::Image(o);
    try {
      pe::CheckLauncherStub(pe::ParseImage(pe::MemoryReader(b), int64_t(b.size())));
    } catch (const pe::FormatError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  pesample::Options gui, console, dll, x64;
  console.subsystem = 3;
  dll.dll = true;
  x64.machine = 0x8664;
  EXPECT_EQ(refusal(gui), "");
  EXPECT_NE(refusal(console).find("GUI"), std::string::npos);
  EXPECT_NE(refusal(dll).find("DLL"), std::string::npos);
  EXPECT_NE(refusal(x64).find("32-bit"), std::string::npos);
  const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_THROW(pe::ParseImage(pe::MemoryReader(text), 5), pe::FormatError);
}

TEST(PeResources, HostileDirectoriesFailWithoutHanging) {
  pesample::Options o;
  o.resources = {Make(ResourceId::Number(10), ResourceId::Number(1), 0, "x")};
  std::vector<uint8_t> file = pesample::Image(o);
  const pe::Image image = pe::ParseImage(pe::MemoryReader(file), int64_t(file.size()));
  const size_t root = static_cast<size_t>(image.FileOffset(image.Directory(pe::kResourceDirectory).address, 16));
  // The root's one entry points back at the root: a loop.
  std::vector<uint8_t> loop = file;
  pe::le::Put32(&loop[root + 16 + 4], 0x80000000u);
  EXPECT_THROW(Read(loop), pe::FormatError);
  // Many entries sharing one subdirectory: bounded.
  std::vector<uint8_t> wide = file;
  pe::le::Put16(&wide[root + 14], 0xFFFF);
  EXPECT_THROW(Read(wide), pe::FormatError);
  // The data entry (behind three tables of one entry each) pointing beyond the file.
  std::vector<uint8_t> far = file;
  pe::le::Put32(&far[root + 3 * 24], 0x7FFFFFF0u);
  EXPECT_THROW(Read(far), pe::FormatError);
}
}  // namespace
