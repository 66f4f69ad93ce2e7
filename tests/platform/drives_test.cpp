// The mount table and the drive that holds a path.
#include <gtest/gtest.h>

#include <filesystem>

#include "korbit/platform/drives.h"
#include "platform/scratch_folder.h"

namespace korbit::platform {
namespace {

constexpr std::string_view kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw,errors=remount-ro\n"
    "23 22 0:5 / /proc rw,nosuid - proc proc rw\n"
    "40 22 11:0 / /media/my\\040disc ro,nosuid shared:7 master:2 - iso9660 /dev/sr0 ro\n"
    "41 22 8:17 / /media/stick rw - vfat /dev/sdb1 rw\n"
    "42 22 8:18 / /mnt/locked rw - ext4 /dev/sdb2 ro\n"
    "43 22 8:19 / /mnt/dvd rw - udf /dev/sr1 rw\n"
    "garbage line\n"
    "44 22 8:20 / /mnt/no-separator rw ext4 /dev/x rw\n"
    "45 41 8:21 / /media/stick rw - ext4 /dev/sdc1 ro\n";

TEST(MountTable, TheLongestMountPointOnAFolderBoundaryHoldsAPath) {
    const std::vector<MountEntry> mounts = parseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 7U);
    const struct {
        std::string_view path;
        std::string_view mountPoint;
        bool writable;
    } cases[] = {
        {"/", "/", true},
        {"/home/u/a.txt", "/", true},
        {"/proc/self/status", "/proc", true},
        {"/processes", "/", true},
        {"/media/my disc/x", "/media/my disc", false},  // CD, escaped space
        {"/mnt/locked/a", "/mnt/locked", false},        // file system read-only
        {"/mnt/dvd", "/mnt/dvd", false},                // udf, even mounted read-write
        {"/media/stick/a", "/media/stick", false},      // the later mount covers the vfat one
    };
    for (const auto& c : cases) {
        const MountEntry* mount = mountHolding(mounts, c.path);
        ASSERT_NE(mount, nullptr) << c.path;
        EXPECT_EQ(mount->mountPoint, c.mountPoint) << c.path;
        EXPECT_EQ(isWritable(*mount), c.writable) << c.path;
    }
    EXPECT_EQ(mountHolding(parseMountInfo(""), "/a"), nullptr);
}

TEST(MountTable, ResolvesRelativePathsAndSymbolicLinksBeforeLookingUp) {
    const testing::ScratchFolder scratch;
    const std::string disc = scratch.folder("disc");
    std::filesystem::create_directory_symlink(disc, scratch / "link");
    const std::vector<MountEntry> mounts = parseMountInfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                                          "2 1 11:0 / " + disc + " ro - iso9660 /dev/sr0 ro\n");

    EXPECT_EQ(mountPointOf(scratch / "link/not-yet-there.txt", mounts), disc);
    EXPECT_FALSE(isOnWritableDrive(scratch / "link/not-yet-there.txt", mounts));
    EXPECT_FALSE(isOnWritableDrive(scratch / "other/../disc", mounts));
    EXPECT_TRUE(isOnWritableDrive(scratch / "discs/a", mounts));
    EXPECT_EQ(mountPointOf("relative/file.txt", mounts), "/");
    EXPECT_EQ(mountPointOf("", mounts), std::nullopt);
    EXPECT_FALSE(isOnWritableDrive("/a", {}));
}

}  // namespace
}  // namespace korbit::platform
