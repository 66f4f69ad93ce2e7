// Encrypting and decrypting files in place through the control, the way a
// host calls it: boxes recorded, the event pump and Cancel driven by the
// scripted host.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "korbit/control/korbit_control.h"
#include "korbit/engine/container.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/text_encoding.h"
#include "platform/scratch_folder.h"
#include "support/byte_devices.h"
#include "support/control_client.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::control {
namespace {

using korbit::testing::ScratchFolder;
using korbit::testing::ScopedVariable;
using korbit::testing::contentOf;
using korbit::testing::writeFile;
using korbit::testing::ShownBox;

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777U;
}

Text text(const std::string& path) { return platform::fromUtf8(path); }

class EncryptionRoutine : public ::testing::Test {
protected:
    ScratchFolder folder;
    ScopedVariable config{"XDG_CONFIG_HOME", folder / "config"};
    korbit::testing::ScriptedHost host;
    korbit::testing::TestSystem system;
    KorbitControl control{&host, system};

    bool run(const std::string& path, const Text& password = u"secret1") {
        return control.EncryptionRoutine2(text(path), password, u"Title") != kFalse;
    }
    // No temporary file is left beside `path`.
    std::size_t entriesIn(const std::string& dir) const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
    }
};

TEST_F(EncryptionRoutine, EncryptsAndDecryptsInPlaceKeepingNameAndReadOnlyState) {
    for (std::size_t size : {0U, 1U, 31U, 32U, 33U, 100U, 200000U}) {
        SCOPED_TRACE(size);
        const std::string path = folder / ("Report" + std::to_string(size) + ".TXT");
        const auto plain = korbit::testing::randomBytes(size, static_cast<std::uint32_t>(size));
        writeFile(path, plain);
        ::chmod(path.c_str(), 0640);

        ASSERT_TRUE(run(path));
        const auto container = contentOf(path);
        ASSERT_EQ(container.size(), 16 + 32 + size);
        EXPECT_TRUE(engine::hasContainerMagic(container));
        EXPECT_EQ(std::string(container.begin() + 6, container.begin() + 10), ".txt");
        EXPECT_EQ(container[10], 32);  // archive; the file could be written
        EXPECT_EQ(modeOf(path), 0440U);  // read-only after encryption
        EXPECT_EQ(control.IsFileEncrypted2(text(path)), kTrue);

        ASSERT_TRUE(run(path));
        EXPECT_EQ(contentOf(path), plain);
        EXPECT_EQ(modeOf(path), 0640U);
        EXPECT_EQ(control.EncryptionProgressPercentage(), 0);
        EXPECT_EQ(control.state().OperationBusy, kFalse);
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(entriesIn(folder.path()), 8U);  // the seven files and the config folder, no leftovers
}

TEST_F(EncryptionRoutine, AReadOnlyFileIsEncryptedAndComesBackReadOnly) {
    const std::string path = folder.file("locked.doc", 70);
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(run(path));
    EXPECT_EQ(contentOf(path)[10] & 1, 1);  // the header remembers read-only
    ASSERT_TRUE(run(path));
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(70, 'x'));
    EXPECT_EQ(modeOf(path), 0444U);
}

TEST_F(EncryptionRoutine, AWrongPasswordIsRefusedWithItsBoxAndLeavesTheContainerAsItWas) {
    const std::string path = folder.file("a.bin", 500);
    ASSERT_TRUE(run(path));
    const auto container = contentOf(path);
    const unsigned mode = modeOf(path);
    EXPECT_FALSE(run(path, u"wrong password"));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0], (ShownBox{u"Invalid Password!!!", 48, u"Title"}));
    EXPECT_EQ(contentOf(path), container);
    EXPECT_EQ(modeOf(path), mode);  // still read-only
    EXPECT_EQ(control.state().OperationBusy, kFalse);
    EXPECT_EQ(entriesIn(folder.path()), 2U);
}

TEST_F(EncryptionRoutine, APlainFileStartingWithTheSignatureCannotBeEncrypted) {
    const std::string path = folder / "fake.txt";
    writeFile(path, korbit::testing::bytesOf("xjeS is how this text starts"));
    EXPECT_EQ(control.IsFileEncrypted2(text(path)), kTrue);
    EXPECT_FALSE(run(path));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0].text, u"Invalid Password!!!");
    EXPECT_EQ(contentOf(path), korbit::testing::bytesOf("xjeS is how this text starts"));
}

TEST_F(EncryptionRoutine, CancelDuringARunStopsAfterTheBlockAndLeavesTheFileAsItWas) {
    const std::string path = folder.file("big.dat", 100000);
    int pumps = 0;
    host.onPump = [&] {
        if (++pumps == 10) {
            control.CancelOps();
        }
    };
    EXPECT_FALSE(run(path));
    EXPECT_EQ(pumps, 10);  // no block after the cancel
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(100000, 'x'));
    EXPECT_EQ(control.state().CancelRequested, kFalse);
    EXPECT_EQ(control.EncryptionProgressPercentage(), 0);
    EXPECT_EQ(entriesIn(folder.path()), 2U);
}

TEST_F(EncryptionRoutine, CancelWhileIdleStopsTheNextRunAfterItsFirstBlock) {
    const std::string path = folder.file("next.dat", 1000);
    control.CancelOps();
    EXPECT_FALSE(run(path));
    EXPECT_EQ(host.pumps, 0);  // cancelled right after the first block, before any pump
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(1000, 'x'));
    EXPECT_TRUE(run(path));  // the request is used up

    const std::string empty = folder.file("empty.dat");
    control.CancelOps();
    EXPECT_FALSE(run(empty));  // no block at all: cancelled at the end of the loop
    EXPECT_TRUE(contentOf(empty).empty());
}

TEST_F(EncryptionRoutine, CancelInTheYieldAfterTheLastBlockStillCancels) {
    const std::string path = folder.file("last.dat", 64);
    host.onPump = [&] {
        if (host.pumps == 2) {
            control.CancelOps();
        }
    };
    EXPECT_FALSE(run(path));
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(64, 'x'));
}

TEST_F(EncryptionRoutine, ASecondRunFromInsideTheYieldIsRefusedSilently) {
    const std::string path = folder.file("one.dat", 200);
    const std::string other = folder.file("two.dat", 200);
    korbit::testing::ControlCaller caller{control};
    hosting::KorbitClient client{caller, [](const hosting::CallFailure& failure) {
        ADD_FAILURE() << failure.method << ": " << platform::toUtf8(failure.description);
    }};
    std::vector<bool> inner;
    host.onPump = [&] {
        if (inner.empty()) {
            inner.push_back(client.EncryptionRoutine2(text(other), u"secret1"));
            control.EncryptionRoutine(text(other), u"secret1", kTrue);
        }
    };
    EXPECT_TRUE(run(path));
    ASSERT_EQ(inner.size(), 1U);
    EXPECT_FALSE(inner[0]);
    EXPECT_EQ(control.GetEncryptRoutineMessage(), u"OPERATION IS BUSY!!!");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(contentOf(other), std::vector<std::uint8_t>(200, 'x'));
}

TEST_F(EncryptionRoutine, ReportsProgressAsTheWorkedExamplesShow) {
    struct Case {
        std::size_t size;
        std::vector<std::int16_t> percentages;
    };
    for (const Case& c : {Case{100, {25, 50, 75, 100}}, Case{48, {50, 100}}, Case{64, {33, 66}}}) {
        const std::string path = folder.file("p" + std::to_string(c.size), c.size);
        std::vector<std::int16_t> seen;
        host.onPump = [&] { seen.push_back(control.EncryptionProgressPercentage()); };
        ASSERT_TRUE(run(path));
        EXPECT_EQ(seen, c.percentages) << c.size << " bytes";
    }
}

TEST_F(EncryptionRoutine, InputArrivingHoldsABlockBackButNeverLosesIt) {
    const std::string path = folder.file("input.dat", 96);
    host.pendingInput = 5;
    ASSERT_TRUE(run(path));
    EXPECT_EQ(host.pendingInput, 0);
    ASSERT_TRUE(run(path));
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(96, 'x'));
}

TEST_F(EncryptionRoutine, RefusesWhatItCannotRewriteWithoutTouchingIt) {
    EXPECT_FALSE(run(folder / "missing.txt"));
    EXPECT_FALSE(control.EncryptionRoutine2(u"", u"secret1") != kFalse);
    EXPECT_TRUE(host.boxes.empty());  // nothing named, nothing to say
    const std::string aFolder = folder.folder("a folder");
    EXPECT_FALSE(run(aFolder));
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(run(folder / "pipe"));  // returns at once, never waits for a writer
    ASSERT_EQ(host.boxes.size(), 2U);
    EXPECT_EQ(host.boxes[0].text, text(aFolder) + u" is a folder: only files can be encrypted.");
    EXPECT_EQ(host.boxes[1].text,
              text(folder / "pipe") + u" is a device, a pipe or a socket, not a file: only files can be encrypted.");
    EXPECT_EQ(control.state().OperationBusy, kFalse);
}

TEST_F(EncryptionRoutine, FollowsALinkAndRewritesEveryHardLinkedName) {
    const std::string target = folder.file("target.txt", 40);
    const std::string link = folder / "link.txt";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_TRUE(run(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(control.IsFileEncrypted2(text(target)), kTrue);

    const std::string second = folder / "second-name.txt";
    ASSERT_EQ(::link(target.c_str(), second.c_str()), 0);
    ASSERT_TRUE(run(second)) << (host.boxes.empty() ? std::string() : platform::toUtf8(host.boxes.back().text));  // decrypts through the second name
    EXPECT_EQ(contentOf(target), std::vector<std::uint8_t>(40, 'x'));
    EXPECT_EQ(contentOf(second), std::vector<std::uint8_t>(40, 'x'));
}

TEST_F(EncryptionRoutine, FirstGenerationWritesANewContainerAndBothGenerationsReadEachOther) {
    const std::string path = folder.file("Report.TXT", 77);
    control.EncryptionRoutine(text(path), u"secret1", kTrue);
    EXPECT_EQ(control.GetEncryptRoutineMessage(), u"Encryption Complete!");
    const std::string container = folder / "Report.xje";
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(control.IsFileEncrypted(text(container)), kTrue);
    EXPECT_EQ(control.IsFileEncrypted(u"x.XJE"), kTrue);
    EXPECT_EQ(control.IsFileEncrypted(u"xje"), kTrue);
    EXPECT_EQ(control.IsFileEncrypted(text(path)), kFalse);
    EXPECT_EQ(contentOf(container)[10], 0);  // no attributes recorded

    // The second generation decrypts it in place, under the container's name.
    const std::string copy = folder / "Copy.xje";
    std::filesystem::copy_file(container, copy);
    ASSERT_TRUE(run(copy));
    EXPECT_EQ(contentOf(copy), std::vector<std::uint8_t>(77, 'x'));

    control.EncryptionRoutine(text(container), u"wrong!!", kTrue);
    EXPECT_EQ(control.GetEncryptRoutineMessage(), u"Invalid Password!!!");
    control.EncryptionRoutine(text(container), u"secret1", kFalse);
    EXPECT_EQ(control.GetEncryptRoutineMessage(), u"Decryption Complete!");
    EXPECT_EQ(contentOf(folder / "Report.txt"), std::vector<std::uint8_t>(77, 'x'));
    EXPECT_FALSE(std::filesystem::exists(container));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(EncryptionRoutine, FirstGenerationNeverWritesOverAnExistingFile) {
    const std::string path = folder.file("Report.txt", 10);
    const std::string other = folder.file("Report.xje", 3);  // not even a container
    control.EncryptionRoutine(text(path), u"secret1", kFalse);
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0].style, 64);
    EXPECT_TRUE(host.boxes[0].text.starts_with(u"Unable to Encrypt!!!"));
    EXPECT_EQ(contentOf(other), std::vector<std::uint8_t>(3, 'x'));
    EXPECT_EQ(contentOf(path), std::vector<std::uint8_t>(10, 'x'));

    control.EncryptionRoutine(text(other), u"secret1", kFalse);  // ".xje" but no signature
    ASSERT_EQ(host.boxes.size(), 2U);
    EXPECT_EQ(host.boxes[1], (ShownBox{u"File has been Corrupted!!!", 48, u""}));
}

// The first generation names its output after the container's stored
// extension: an extension edited to lead out of the container's folder, or
// to name no file, marks a damaged container, and nothing is written.
TEST_F(EncryptionRoutine, FirstGenerationKeepsItsOutputInTheContainersFolder) {
    const std::string shared = folder.folder("shared");
    folder.folder("shared/report");
    const struct {
        const char* container;
        std::string extension;
    } cases[] = {
        {"report.xje", "/../../escaped.sh"},
        {"report.xje", "/x"},
        {"report.xje", std::string(".t\0xt", 5)},
        {".xje", ".."},
        {".xje", "."},
        {".xje", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extension);
        const std::string path = shared + "/" + c.container;
        engine::ContainerHeader header;
        header.PlainExtension = c.extension;
        header.Seed = 4242;
        const std::vector<std::uint8_t> plainBytes(50, 'p');
        engine::MemorySource plain(plainBytes);
        engine::MemorySink out;
        ASSERT_TRUE(engine::writeContainer(plain, out, header, u"secret1"));
        writeFile(path, out.bytes());
        host.boxes.clear();
        control.EncryptionRoutine(text(path), u"secret1", kFalse);
        ASSERT_EQ(host.boxes.size(), 1U);
        EXPECT_EQ(host.boxes[0], (ShownBox{u"File has been Corrupted!!!", 48, u""}));
        EXPECT_EQ(contentOf(path), out.bytes());
        std::size_t entries = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder.path())) {
            entries += e.path().string().find("escaped") != std::string::npos ? 1U : 0U;
        }
        EXPECT_EQ(entries, 0U);
        std::filesystem::remove(path);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(shared), {}), 1);  // the folder report/ alone
    EXPECT_TRUE(std::filesystem::is_empty(shared + "/report"));
}

}  // namespace
}  // namespace korbit::control
