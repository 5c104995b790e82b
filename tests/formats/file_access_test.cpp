#include "formats/file_access.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"

namespace wayloom {
namespace {

TEST(ReadWholeFile, GivesTheBytesFollowedByTheGuard) {
    test::TempFolder folder;
    for (const std::string& content : {std::string("1|2|A|2"), std::string(), std::string(300000, 'x')}) {
        folder.write("in.itn", content);
        GuardedBytes bytes;
        ASSERT_EQ(ReadWholeFile(folder.file16("in.itn"), FileKind::Itn, bytes), std::nullopt);
        EXPECT_EQ(bytes.data(), content);
        const std::string_view guard = ReadGuard(FileKind::Itn);
        EXPECT_EQ(std::string_view(bytes.data().data() + content.size(), guard.size()), guard);
    }
}

TEST(SaveFile, LargePiecesFollowTheBufferedOnesInOrder) {
    test::TempFolder folder;
    SaveFile file;
    ASSERT_TRUE(file.open(folder.file16("out.txt")));
    const std::string large(300000, 'b');  // more than the file's own buffer holds
    EXPECT_TRUE(file.write("a"));
    EXPECT_TRUE(file.write(large));
    EXPECT_TRUE(file.write("c"));
    EXPECT_TRUE(file.write(large));
    EXPECT_EQ(file.commit(), std::nullopt);
    EXPECT_EQ(folder.read("out.txt"), "a" + large + "c" + large);
}

}  // namespace
}  // namespace wayloom
