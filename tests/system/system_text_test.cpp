// The texts the system object derives from raw values: version text, drive
// type names and the walk over a logical-drive list.
#include <gtest/gtest.h>

#include "tarn/system/system_text.h"

using namespace tarn::systemtext;

namespace {

std::uint32_t packVersion(unsigned major, unsigned minor, unsigned build, bool ninetyFive) {
  return (ninetyFive ? 0x80000000u : 0u) | (build & 0x7FFFu) << 16 | (minor & 0xFFu) << 8 |
         (major & 0xFFu);
}

}  // namespace

TEST(SystemVersionText, ThreeFamilies) {
  EXPECT_EQ("5.1.2600-Windows NT/2000/XP", versionText(packVersion(5, 1, 2600, false)));
  EXPECT_EQ("4.10.0-Windows 95/98/Me", versionText(packVersion(4, 10, 2222, true)));
  EXPECT_EQ("3.10.0-Win32s/Undetermined", versionText(packVersion(3, 10, 0, true)));
}

TEST(SystemVersionText, BoundariesOfTheFields) {
  // The NT family carries the build in bits 16-30; bit 31 decides the family.
  EXPECT_EQ("6.2.9200-Windows NT/2000/XP", versionText(0x23F00206u));
  EXPECT_EQ("10.0.32767-Windows NT/2000/XP", versionText(0x7FFF000Au));
  EXPECT_EQ("255.255.0-Windows 95/98/Me", versionText(0xFFFFFFFFu));
  EXPECT_EQ("0.0.0-Windows NT/2000/XP", versionText(0u));
  // Major exactly 3 is not yet the 95 family; 4 is.
  EXPECT_EQ("3.95.0-Win32s/Undetermined", versionText(0x80005F03u));
  EXPECT_EQ("4.0.0-Windows 95/98/Me", versionText(0x80000004u));
}

TEST(SystemDriveText, TypeNames) {
  EXPECT_STREQ("Unknwon", driveTypeName(0));
  EXPECT_STREQ("Unknwon", driveTypeName(1));
  EXPECT_STREQ("Removable", driveTypeName(2));
  EXPECT_STREQ("Fixed", driveTypeName(3));
  EXPECT_STREQ("Network", driveTypeName(4));
  EXPECT_STREQ("CDRom", driveTypeName(5));
  EXPECT_STREQ("Ram", driveTypeName(6));
  EXPECT_EQ(nullptr, driveTypeName(7));
  EXPECT_EQ(nullptr, driveTypeName(0xFFFFFFFFu));
}

TEST(SystemDriveText, WalkOfADriveList) {
  // Floppy A, hard disk D, optical drive E: the size counts up to the last
  // entry's zero, not the list's closing zero.
  const char list[] = "A:\\\0D:\\\0E:\\\0";
  std::vector<std::string> roots = driveRoots(list, sizeof list - 1);
  ASSERT_EQ(3u, roots.size());
  EXPECT_EQ("A:\\", roots[0]);
  EXPECT_EQ("D:\\", roots[1]);
  EXPECT_EQ("E:\\", roots[2]);
  EXPECT_EQ("A", driveLetter(roots[0]));
  EXPECT_EQ("E", driveLetter(roots[2]));

  std::vector<std::string> types;
  const unsigned reported[] = {2, 3, 5};
  for (unsigned t : reported) types.push_back(driveTypeName(t));
  EXPECT_EQ((std::vector<std::string>{"Removable", "Fixed", "CDRom"}), types);
}

TEST(SystemDriveText, OddLists) {
  EXPECT_TRUE(driveRoots(nullptr, 10).empty());
  EXPECT_TRUE(driveRoots("", 0).empty());
  // The closing zero counted in the size adds no empty entry.
  const char closed[] = "C:\\\0\0";
  EXPECT_EQ(1u, driveRoots(closed, sizeof closed - 1).size());
  // An entry without its zero inside the size still counts.
  EXPECT_EQ((std::vector<std::string>{"C:\\", "Z:\\"}), driveRoots("C:\\\0Z:\\", 7));
  // Only colon-backslash pairs go; a bare colon or a mount path stays.
  EXPECT_EQ("C", driveLetter("C:\\"));
  EXPECT_EQ("C:", driveLetter("C:"));
  EXPECT_EQ("mntdata", driveLetter("mnt:\\data:\\"));
  EXPECT_EQ("", driveLetter(""));
}
