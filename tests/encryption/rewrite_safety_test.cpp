// What a rewrite keeps and refuses, tried the way things go wrong around it:
// a platform step failing, another program writing to the file, the copy
// into a hard-linked file cut off by a full disk, and (as root) another user
// swapping the names of the folder the file is in while the run is paused
// at each step.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "korbit/control/korbit_control.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/text_encoding.h"
#include "platform/scratch_folder.h"
#include "support/byte_devices.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::control {
namespace {

using korbit::testing::ScratchFolder;
using korbit::testing::ScopedVariable;
using korbit::testing::contentOf;
using korbit::testing::writeFile;
using platform::RewriteStep;
using korbit::testing::RewriteHookScope;

constexpr uid_t kNobody = 65534;

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

unsigned modeOf(const std::string& path) { return statOf(path).st_mode & 07777U; }

std::string xattrOf(const std::string& path, const char* name) {
    char value[256];
    const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
    return n < 0 ? std::string("<none>") : std::string(value, static_cast<std::size_t>(n));
}

// Entries whose name marks them as a run's temporary file, anywhere below `root`.
std::vector<std::string> temporariesBelow(const std::string& root) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.path().filename().string().find(".korbit-") != std::string::npos) {
            found.push_back(entry.path().string());
        }
    }
    return found;
}

// The plain bytes inside a container, decrypted by the engine; empty when it
// is not a whole container of that password.
std::optional<std::vector<std::uint8_t>> decrypted(const std::vector<std::uint8_t>& container,
                                                   const std::u16string& password) {
    engine::MemorySource source(container);
    engine::MemorySink sink;
    if (!engine::readContainer(source, sink, password)) {
        return std::nullopt;
    }
    return sink.bytes();
}

class RewriteSafety : public ::testing::Test {
protected:
    ScratchFolder folder;
    ScopedVariable config{"XDG_CONFIG_HOME", folder / "config"};
    ScopedVariable state{"XDG_STATE_HOME", folder / "state"};  // the records of in-place rewrites
    korbit::testing::ScriptedHost host;
    korbit::testing::TestSystem system;
    KorbitControl control{&host, system};

    void SetUp() override { ::umask(022); }

    bool run(const std::string& path, const Text& password = u"secret1") {
        return control.EncryptionRoutine2(platform::fromUtf8(path), password, u"Title") != kFalse;
    }
    Text lastBox() const { return host.boxes.empty() ? Text() : host.boxes.back().text; }
};

TEST_F(RewriteSafety, AFailedOrCancelledRunLeavesContentAndPermissionBitsAsTheyWere) {
    struct Case {
        const char* what;
        RewriteStep failAt;  // kOpened: no failure injected
        int error;
        bool cancel;
        bool wrongPassword;
    };
    const Case cases[] = {
        {"wrong password", RewriteStep::kOpened, 0, false, true},
        {"cancel", RewriteStep::kOpened, 0, true, false},
        {"write fails", RewriteStep::kWriting, ENOSPC, false, false},
        {"replace fails", RewriteStep::kBeforeReplace, EIO, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Read-only containers and plain files both stay what they were.
        for (const bool container : {false, true}) {
            if (c.wrongPassword && !container) {
                continue;
            }
            const std::string path = folder / (std::string(c.what) + (container ? ".enc" : ".txt"));
            writeFile(path, korbit::testing::randomBytes(10000, 3));
            if (container) {
                ASSERT_TRUE(run(path));
            }
            ::chmod(path.c_str(), container ? 0444 : 0640);
            const auto before = contentOf(path);
            const unsigned mode = modeOf(path);
            host.onPump = [&] {
                if (c.cancel) {
                    control.CancelOps();
                }
            };
            {
                RewriteHookScope hook(system, [&](RewriteStep at) { return at == c.failAt && c.error != 0 ? c.error : 0; });
                EXPECT_FALSE(run(path, c.wrongPassword ? u"wrong one" : u"secret1"));
            }
            host.onPump = nullptr;
            EXPECT_EQ(contentOf(path), before);
            EXPECT_EQ(modeOf(path), mode);
            EXPECT_EQ(control.state().OperationBusy, kFalse);
        }
    }
    EXPECT_TRUE(temporariesBelow(folder.path()).empty());
}

TEST_F(RewriteSafety, AFolderThatCannotBeFlushedAfterTheRenameIsAFailureThatSaysTheContentIsInPlace) {
    const std::string path = folder.file("flush.txt", 100);
    {
        RewriteHookScope hook(system, [](RewriteStep at) { return at == RewriteStep::kReplaced ? EIO : 0; });
        EXPECT_FALSE(run(path));
    }
    EXPECT_NE(lastBox().find(u"is in place"), Text::npos) << platform::toUtf8(lastBox());
    EXPECT_TRUE(engine::hasContainerMagic(contentOf(path)));
}

TEST_F(RewriteSafety, KeepsOwnerGroupAttributesAndAclsAndNeverTheSetIdBits) {
    const std::string path = folder / "tool";
    const auto plain = korbit::testing::randomBytes(5000, 8);
    writeFile(path, plain);
    ASSERT_EQ(::chmod(path.c_str(), 06775), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "user.origin", "camera 2", 8, 0), 0);
    // user::rwx user:65534:rw- group::rwx mask::rwx other::r-x, as the kernel stores an ACL.
    const unsigned char acl[] = {2, 0, 0, 0,                        //
                                 0x01, 0, 7, 0, 0xff, 0xff, 0xff, 0xff,  //
                                 0x02, 0, 6, 0, 0xfe, 0xff, 0, 0,        //
                                 0x04, 0, 7, 0, 0xff, 0xff, 0xff, 0xff,  //
                                 0x10, 0, 7, 0, 0xff, 0xff, 0xff, 0xff,  //
                                 0x20, 0, 5, 0, 0xff, 0xff, 0xff, 0xff};
    const bool aclSet = ::setxattr(path.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    const std::string aclBefore = xattrOf(path, "system.posix_acl_access");
    ::umask(002);

    ASSERT_TRUE(run(path));
    EXPECT_EQ(modeOf(path), 0555U);  // no write bits, no set-id bits
    EXPECT_EQ(xattrOf(path, "user.origin"), "camera 2");
    ASSERT_TRUE(run(path));
    EXPECT_EQ(contentOf(path), plain);
    EXPECT_EQ(modeOf(path), 0775U);  // group write given back; the set-id bits stay gone
    EXPECT_EQ(xattrOf(path, "user.origin"), "camera 2");
    if (aclSet) {
        EXPECT_EQ(xattrOf(path, "system.posix_acl_access"), aclBefore);
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RewriteSafety, AProgramWritingToTheFileDuringARunStopsItAndLosesNothing) {
    for (const bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "in place" : "beside");
        const std::string path = folder / (hardLinked ? "log-linked.txt" : "log.txt");
        writeFile(path, korbit::testing::bytesOf("line 1\n"));
        if (hardLinked) {
            EXPECT_EQ(::link(path.c_str(), (path + ".2").c_str()), 0);
        }
        {
            RewriteHookScope hook(system, [&](RewriteStep at) {
                if (at == RewriteStep::kWriting) {
                    std::ofstream(path, std::ios::app) << "line 2\n";
                }
                return 0;
            });
            EXPECT_FALSE(run(path));
        }
        EXPECT_EQ(lastBox(), platform::fromUtf8(std::filesystem::path(path).filename().string()) +
                                 u" changed while it was being encrypted; nothing was replaced.");
        // The file is the original and every line the other program added.
        std::string expected = "line 1\n";
        while (expected.size() < contentOf(path).size()) {
            expected += "line 2\n";
        }
        EXPECT_GT(expected.size(), 7U);
        EXPECT_EQ(contentOf(path), korbit::testing::bytesOf(expected));
        EXPECT_FALSE(engine::hasContainerMagic(contentOf(path)));
    }
    EXPECT_TRUE(temporariesBelow(folder.path()).empty());
}

TEST_F(RewriteSafety, ACopyBackCutOffIsFinishedFromTheCompleteCopyByTheNextRun) {
    // A hard-linked file is rewritten in place: the complete result first,
    // then copied into the file piece by piece.
    const auto plain = korbit::testing::randomBytes(std::size_t{3} << 20, 11);
    for (const int failAtPiece : {2, 1}) {  // the copy into the file stops before this piece (1: before any byte)
        SCOPED_TRACE(failAtPiece);
        const std::string path = folder / ("linked" + std::to_string(failAtPiece) + ".bin");
        writeFile(path, plain);
        ASSERT_EQ(::link(path.c_str(), (path + ".other").c_str()), 0);
        host.boxes.clear();
        {
            int pieces = 0;
            RewriteHookScope hook(system, [&](RewriteStep at) {
                return at == RewriteStep::kCopyingBack && ++pieces == failAtPiece ? ENOSPC : 0;
            });
            EXPECT_FALSE(run(path));
        }
        ASSERT_EQ(host.boxes.size(), 1U);
        if (failAtPiece == 1) {
            // Nothing of the file had changed: nothing is kept, nothing is left to complete.
            EXPECT_EQ(lastBox().find(u"completes it"), Text::npos) << platform::toUtf8(lastBox());
            EXPECT_TRUE(temporariesBelow(folder.path()).empty());
            EXPECT_EQ(contentOf(path), plain);
            EXPECT_EQ(modeOf(path), 0644U);
            continue;
        }
        EXPECT_NE(lastBox().find(u"the next run on this file completes it"), Text::npos);
        ASSERT_EQ(temporariesBelow(folder.path()).size(), 1U);  // the complete copy

        // The user frees space and runs again: the interrupted copy is
        // finished, and that is the run's outcome; the next run does what is
        // asked of the file as it now is.
        EXPECT_TRUE(run(path));
        ASSERT_EQ(host.boxes.size(), 2U);
        EXPECT_EQ(host.boxes[1].text, u"An interrupted encryption of " +
                                          platform::fromUtf8(std::filesystem::path(path).filename().string()) +
                                          u" was completed from its complete copy.");
        EXPECT_EQ(decrypted(contentOf(path), u"secret1"), plain);
        EXPECT_EQ(modeOf(path) & 0222U, 0U);
        EXPECT_EQ(contentOf(path + ".other"), contentOf(path));
        EXPECT_TRUE(temporariesBelow(folder.path()).empty());
        EXPECT_TRUE(run(path));
        EXPECT_EQ(contentOf(path), plain);
    }
}

TEST_F(RewriteSafety, OnlyUnfinishedTemporaryFilesOfDeadRunsAreRemovedAndTheUserIsTold) {
    const std::string path = folder.file("notes.txt", 500);
    const std::string stale = folder / ".notes.txt.korbit-Ab12Cd";  // no run holds it
    writeFile(stale, korbit::testing::bytesOf("half a container"));
    const std::string otherFiles = folder / ".notes.txt.korbit-complete-1-2-444";  // another file's
    writeFile(otherFiles, korbit::testing::bytesOf("someone's complete copy"));
    const std::string unrelated = folder / ".notes.txt.korbit-toolongname";
    writeFile(unrelated, korbit::testing::bytesOf("not ours"));

    ASSERT_TRUE(run(path));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0].style, 64);
    EXPECT_EQ(host.boxes[0].text, u"An unfinished temporary file that an earlier run of notes.txt left behind was "
                                  u"removed: " + platform::fromUtf8(stale));
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(otherFiles));
    EXPECT_TRUE(std::filesystem::exists(unrelated));
}

TEST_F(RewriteSafety, AReadOnlyFileWithTwoNamesIsRewrittenInPlaceAndStaysReadOnly) {
    const std::string path = folder / "shared.txt";
    const auto plain = korbit::testing::randomBytes(3000, 4);
    writeFile(path, plain);
    ASSERT_EQ(::link(path.c_str(), (folder / "other name.txt").c_str()), 0);
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(run(path));
    EXPECT_EQ(decrypted(contentOf(folder / "other name.txt"), u"secret1"), plain);
    EXPECT_EQ(modeOf(path), 0444U);
    ASSERT_TRUE(run(folder / "other name.txt"));
    EXPECT_EQ(contentOf(path), plain);
    EXPECT_EQ(modeOf(path), 0444U);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(temporariesBelow(folder.path()).empty());
}

TEST_F(RewriteSafety, NewContainersOpenWithTheDefinitionsKeysAndOldContainersStillDecrypt) {
    // A container made through the control, read back by the block-by-block
    // definition of the keys.
    const std::string path = folder.file("new.txt", 1000);
    ASSERT_TRUE(run(path));
    const auto container = contentOf(path);
    const auto header = engine::decodeHeader(container);
    ASSERT_TRUE(header);
    const std::size_t dataStart = header->encodedSize() + 32;
    const engine::BlockKey check = engine::DeriveBlockKey(engine::keyText(u"secret1", header->Seed));
    EXPECT_TRUE(std::equal(check.begin(), check.end(), container.begin() + static_cast<std::ptrdiff_t>(header->encodedSize())));
    for (std::size_t at = dataStart, k = 0; at < container.size(); at += 32, ++k) {
        const engine::BlockKey key = engine::DeriveBlockKey(engine::keyText(u"secret1", engine::blockCounter(header->Seed, k)));
        for (std::size_t j = 0; j < 32 && at + j < container.size(); ++j) {
            ASSERT_EQ(container[at + j] ^ key[j], 'x') << "block " << k;
        }
    }
    EXPECT_GE(header->Seed, 32);  // at least the block count: every data counter negative

    // Containers the earlier releases wrote (see tests/encryption/data/).
    for (const auto& entry : std::filesystem::directory_iterator(KORBIT_TEST_DATA "/containers")) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string copy = folder / entry.path().filename().string();
        std::filesystem::copy_file(entry.path(), copy);
        const std::string plainFile = std::string(KORBIT_TEST_DATA "/plain/") + entry.path().filename().string();
        ASSERT_TRUE(run(copy, u"correct horse battery"));
        EXPECT_EQ(contentOf(copy), contentOf(plainFile));
    }
}

// ---- Another user racing a run of root's in a folder that user owns.

class RacedByAnotherUser : public RewriteSafety {
protected:
    void SetUp() override {
        RewriteSafety::SetUp();
        if (::geteuid() != 0) {
            GTEST_SKIP() << "needs root: the attacker is an unprivileged user racing a run of root's";
        }
        ::chmod(folder.path().c_str(), 0755);
        attacker = folder.folder("attacker");
        victims = folder.folder("victims");
        EXPECT_EQ(::chown(attacker.c_str(), kNobody, kNobody), 0);
        victim = victims + "/file";
        writeFile(victim, korbit::testing::bytesOf("root's secret"));
        ::chmod(victim.c_str(), 0600);
        ::chmod(victims.c_str(), 0755);
    }

    // Runs `command` as nobody, in the attacker's folder, and waits for it.
    void asAttacker(const std::string& command) {
        const std::string line = "cd '" + attacker + "' && setpriv --reuid=65534 --regid=65534 --clear-groups -- sh -c '" +
                                 command + "'";
        ASSERT_EQ(std::system(line.c_str()), 0) << command;
    }

    // The attacker's file, owned by nobody, optionally with a second name.
    std::string attackersFile(const std::string& name, std::size_t size, bool hardLinked) {
        std::filesystem::create_directories(attacker + "/sub");
        EXPECT_EQ(::chown((attacker + "/sub").c_str(), kNobody, kNobody), 0);
        const std::string path = attacker + "/sub/" + name;
        writeFile(path, korbit::testing::randomBytes(size, 5));
        EXPECT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        if (hardLinked) {
            EXPECT_EQ(::link(path.c_str(), (path + ".link").c_str()), 0);
        }
        return path;
    }

    void expectVictimUntouched() {
        EXPECT_EQ(contentOf(victim), korbit::testing::bytesOf("root's secret"));
        EXPECT_EQ(modeOf(victim), 0600U);
        EXPECT_EQ(statOf(victim).st_uid, 0U);
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(victims)) {
            ++entries;
        }
        EXPECT_EQ(entries, 1U);
    }

    std::string attacker, victims, victim;
};

TEST_F(RacedByAnotherUser, SwappingAFolderOrTheNameForALinkNeverLeadsTheRunOutOfTheFolder) {
    struct Case {
        const char* what;
        bool hardLinked;
        RewriteStep at;
        const char* swap;
    };
    const std::string folderSwap = "mv sub sub.old && ln -s " + victims + " sub";
    const std::string nameSwap = "mv sub/file sub/file.old && ln -s " + victim + " sub/file";
    const Case cases[] = {
        {"folder swapped before the copy-back", true, RewriteStep::kMarkedComplete, folderSwap.c_str()},
        {"name swapped during the copy-back", true, RewriteStep::kCopyingBack, nameSwap.c_str()},
        {"folder swapped before the rename", false, RewriteStep::kBeforeReplace, folderSwap.c_str()},
        {"name swapped before the rename", false, RewriteStep::kBeforeReplace, nameSwap.c_str()},
        {"name swapped during the run", false, RewriteStep::kWriting, nameSwap.c_str()},
        {"folder swapped right after opening", false, RewriteStep::kOpened, folderSwap.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(attacker + "/sub");
        std::filesystem::remove_all(attacker + "/sub.old");
        const std::string file = attackersFile("file", std::size_t{2} << 20, c.hardLinked);
        const auto plain = contentOf(file);
        bool swapped = false;
        {
            RewriteHookScope hook(system, [&](RewriteStep at) {
                if (at == c.at && !swapped) {
                    swapped = true;
                    asAttacker(c.swap);
                }
                return 0;
            });
            run(file);
        }
        EXPECT_TRUE(swapped);
        expectVictimUntouched();
        // The file the run opened is whole: its old content or its container.
        const std::string moved = std::filesystem::exists(attacker + "/sub.old") ? attacker + "/sub.old/file"
                                                                                  : attacker + "/sub/file.old";
        const std::string opened = std::filesystem::exists(moved) ? moved : file;
        const auto now = contentOf(opened);
        EXPECT_TRUE(now == plain || decrypted(now, u"secret1") == plain);
        EXPECT_EQ(statOf(opened).st_uid, kNobody);
        EXPECT_TRUE(temporariesBelow(folder.path()).empty());
    }
}

TEST_F(RacedByAnotherUser, AUsersProgramComesBackTheUsersAndWithoutItsSetIdBit) {
    for (const bool hardLinked : {false, true}) {
        SCOPED_TRACE(hardLinked ? "in place" : "beside");
        std::filesystem::remove_all(attacker + "/sub");
        const std::string program = attackersFile("program", 3000, hardLinked);
        ASSERT_EQ(::chmod(program.c_str(), 04755), 0);
        const std::string secret = attackersFile("private", 100, false);
        ::chmod(secret.c_str(), 0600);
        for (const std::string& file : {program, secret}) {
            const auto plain = contentOf(file);
            ASSERT_TRUE(run(file));
            EXPECT_EQ(statOf(file).st_uid, kNobody);
            EXPECT_EQ(statOf(file).st_gid, kNobody);
            EXPECT_EQ(modeOf(file) & 07000U, 0U);
            ASSERT_TRUE(run(file));
            EXPECT_EQ(contentOf(file), plain);
            EXPECT_EQ(statOf(file).st_uid, kNobody);
            EXPECT_EQ(statOf(file).st_gid, kNobody);
        }
        EXPECT_EQ(modeOf(program), 0755U);
        EXPECT_EQ(modeOf(secret), 0600U);
    }
    EXPECT_TRUE(temporariesBelow(folder.path()).empty());
}

// ---- What is found named like a complete copy, in a folder another user shares.

class SharedFolder : public RewriteSafety {
protected:
    void SetUp() override {
        RewriteSafety::SetUp();
        if (::geteuid() != 0) {
            GTEST_SKIP() << "needs root: another user plants entries beside a file of root's";
        }
        shared = folder.folder("shared");
        ::chmod(folder.path().c_str(), 0755);
        ::chmod(shared.c_str(), 01777);
        diary = shared + "/diary.txt";
    }

    void writeDiary(const std::string& text) {
        std::filesystem::remove(diary);
        writeFile(diary, korbit::testing::bytesOf(text));
        ::chmod(diary.c_str(), 0600);
    }

    // The prefix of the diary's complete copies, as runs name them.
    std::string completePrefix() const {
        char identity[64];
        std::snprintf(identity, sizeof identity, "%llx-%llx-", static_cast<unsigned long long>(statOf(diary).st_dev),
                      static_cast<unsigned long long>(statOf(diary).st_ino));
        return shared + "/.diary.txt.korbit-complete-" + identity;
    }

    void asAnotherUser(const std::string& command) {
        const std::string line =
            "cd '" + shared + "' && setpriv --reuid=65534 --regid=65534 --clear-groups -- sh -c '" + command + "'";
        ASSERT_EQ(std::system(line.c_str()), 0) << command;
    }

    // Leaves the diary half-written by a run whose copy into it stopped
    // after its first piece: the complete copy and its record stay.
    void interruptACopyBack() {
        EXPECT_EQ(::link(diary.c_str(), (diary + ".second").c_str()), 0);  // rewritten in place
        {
            int pieces = 0;
            RewriteHookScope hook(system, [&](RewriteStep at) { return at == RewriteStep::kCopyingBack && ++pieces == 2 ? ENOSPC : 0; });
            ASSERT_FALSE(run(diary));
        }
        std::filesystem::remove(diary + ".second");
        host.boxes.clear();
    }

    std::string shared, diary;
};

TEST_F(SharedFolder, OnlyACopyThatTheUsersOwnRunProvablyMadeForThisFileIsApplied) {
    const std::string secret(std::size_t{3} << 20, 's');  // two pieces of copy-back
    struct Case {
        const char* what;
        mode_t folderMode;
        std::function<void()> plant;
        bool refused;  // the run stops, nothing changed; otherwise the entry is passed over with a notice
        const char* says;
    };
    std::string planted;
    const auto sharedFileOfTheUsers = [&] {
        writeFile(shared + "/shared.txt", korbit::testing::bytesOf("shared"));
        ::chmod((shared + "/shared.txt").c_str(), 0666);
    };
    const Case cases[] = {
        {"another user's file linked in under the name", 01777,
         [&] { asAnotherUser("echo EVIL > evil.txt && ln evil.txt " + planted); }, false,
         "it belongs to another user"},
        {"another user's file renamed to the name", 01777,
         [&] { asAnotherUser("echo EVIL > evil.txt && mv evil.txt " + planted); }, false, "it belongs to another user"},
        {"a file of the user's that others may write, linked in by another user", 01777,
         [&] {
             sharedFileOfTheUsers();
             asAnotherUser("echo EVIL > shared.txt && ln shared.txt " + planted);
         },
         false, "it was not made by a run of yours."},
        {"a file of the user's that others may write, renamed by another user", 0777,
         [&] {
             sharedFileOfTheUsers();
             asAnotherUser("echo EVIL > shared.txt && mv shared.txt " + planted);
         },
         false, "it was not made by a run of yours."},
        {"a copy of the user's own that no record names", 01777,
         [&] {
             writeFile(planted, korbit::testing::bytesOf("EVIL"));
             ::chmod(planted.c_str(), 0600);
         },
         true, "no record of the run that made it was found"},
        {"the recorded copy cut short", 01777,
         [&] {
             interruptACopyBack();
             for (const auto& e : std::filesystem::directory_iterator(shared)) {
                 if (e.path().filename().string().starts_with(".diary.txt.korbit-complete-")) {
                     std::filesystem::resize_file(e.path(), 1000);
                 }
             }
         },
         true, "its content is not what the run recorded"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(shared);
        std::filesystem::create_directory(shared);
        ::chmod(shared.c_str(), c.folderMode);
        std::filesystem::remove_all(folder / "state");
        writeDiary(secret);
        planted = completePrefix() + "666";  // the name carries no permission bits that count
        host.boxes.clear();
        c.plant();
        const auto before = contentOf(diary);
        const unsigned modeBefore = modeOf(diary);

        const bool done = run(diary);
        ASSERT_FALSE(host.boxes.empty());
        EXPECT_NE(host.boxes.front().text.find(platform::fromUtf8(c.says)), Text::npos)
            << platform::toUtf8(host.boxes.front().text);
        if (c.refused) {
            EXPECT_FALSE(done);
            EXPECT_EQ(contentOf(diary), before);
            EXPECT_EQ(modeOf(diary), modeBefore);
            continue;
        }
        ASSERT_TRUE(done);
        EXPECT_NE(host.boxes.front().text.find(platform::fromUtf8(planted)), Text::npos);  // named
        ASSERT_TRUE(run(diary));
        EXPECT_EQ(contentOf(diary), korbit::testing::bytesOf(secret));
        EXPECT_EQ(modeOf(diary), 0600U);
        EXPECT_EQ(statOf(diary).st_uid, 0U);
    }
}

TEST_F(SharedFolder, ACopyLeftForADeletedFileIsNeverWrittenIntoTheFileThatGetsItsInode) {
    writeDiary(std::string(std::size_t{3} << 20, 'o'));
    interruptACopyBack();
    const ino_t inode = statOf(diary).st_ino;
    std::filesystem::remove(diary);
    // File systems hand a freed inode number out again, often at once.
    bool reused = false;
    for (int i = 0; i < 200 && !reused; ++i) {
        writeDiary("a new diary " + std::to_string(i));
        reused = statOf(diary).st_ino == inode;
    }
    if (!reused) {
        GTEST_SKIP() << "this file system did not give the inode number out again";
    }
    const auto fresh = contentOf(diary);
    ASSERT_TRUE(run(diary));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_NE(host.boxes[0].text.find(u"an earlier file that no longer exists; it was not applied"), Text::npos);
    EXPECT_EQ(decrypted(contentOf(diary), u"secret1"), fresh);
}

}  // namespace
}  // namespace korbit::control
