#include "model/publish_folders.h"

#include <gtest/gtest.h>

namespace mervane {
namespace {

TEST(PublishFoldersTest, LooksUpByExtensionWithoutCaseLastMatchWins) {
  OStringList folders{OSTR("jpg|images"), OSTR("css|Styles"), OSTR("js|scripts")};
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("C:\\pics\\Photo.JPG")), OSTR("images"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("x.css")), OSTR("styles"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("readme.txt")), OSTR(""));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("C:\\dir.v2\\README")), OSTR(""));

  folders.push_back(OSTR("JPG|Later|ignored"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("a.jpg")), OSTR("later"));
  EXPECT_EQ(GetPublishSubFolder({OSTR("PNG|Images")}, OSTR("b.Png")), OSTR("images"));
  EXPECT_EQ(GetPublishSubFolder({OSTR("jpg")}, OSTR("a.jpg")), OSTR(""));
  EXPECT_EQ(GetPublishSubFolder({}, OSTR("a.jpg")), OSTR(""));
}

}  // namespace
}  // namespace mervane
