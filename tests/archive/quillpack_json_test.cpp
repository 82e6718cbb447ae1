// quillpack's JSON string escaping: always valid JSON in UTF-8, whatever the bytes.
#include <gtest/gtest.h>

#include "common/json.h"

TEST(QuillpackJson, EscapesWhatJsonRequires) {
  EXPECT_EQ(json::Quote(""), "\"\"");
  EXPECT_EQ(json::Quote("a \"b\" c\\d"), "\"a \\\"b\\\" c\\\\d\"");
  EXPECT_EQ(json::Quote("t\tn\nr\r\x01\x7f"), "\"t\\tn\\nr\\r\\u0001\\u007f\"");
}

TEST(QuillpackJson, KeepsUtf8AndMapsOtherBytesAsLatin1) {
  EXPECT_EQ(json::Quote("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"), "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\"");
  EXPECT_EQ(json::Quote("caf\xe9"), "\"caf\\u00e9\"");             // a Windows-1252 name
  EXPECT_EQ(json::Quote("\xc0\xaf"), "\"\\u00c0\\u00af\"");         // overlong "/"
  EXPECT_EQ(json::Quote("\xed\xa0\x80"), "\"\\u00ed\\u00a0\\u0080\"");  // a lone surrogate
  EXPECT_EQ(json::Quote("\xe2\x82"), "\"\\u00e2\\u0082\"");         // cut short
}
