// Saving without losing data: numbered names instead of overwriting, and no
// file left behind when anything fails.
#include "export/save_jpeg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/unit/jpeg_test_support.h"
#include "tests/unit/posix_file_service.h"

namespace corvane {
namespace {

using Names = std::vector<std::string>;

constexpr char kName[] = "09_12_2012 - 18.05.07.jpg";

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
    const test::Bytes bytes = test::ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

class SaveJpeg : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.path().empty()); }
    std::string InDir(const std::string& name) const { return dir_.path() + "/" + name; }
    SaveResult Save(FileService& files, const std::string& folder) {
        return SaveJpegNoOverwrite(files, folder, kName, picture_, '/');
    }

    test::ScopedTempDir dir_;
    test::PosixFileService files_;
    Image24 picture_ = test::BusyPicture(21, 13);
};

TEST_F(SaveJpeg, LeavesExactlyOneFileThatDecodes) {
    const SaveResult result = Save(files_, dir_.path());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, InDir(kName));
    EXPECT_EQ(dir_.FileNames(), Names{kName});
    const auto decoded = test::Decode(test::ReadWholeFile(result.path));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 21);
    EXPECT_EQ(decoded->height, 13);
}

TEST_F(SaveJpeg, TakenNamesGetNumberedVariantsAndKeepTheirContent) {
    WriteText(InDir(kName), "first");
    const SaveResult second = Save(files_, dir_.path());
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_EQ(second.path, InDir("09_12_2012 - 18.05.07 (2).jpg"));
    const SaveResult third = Save(files_, dir_.path());
    ASSERT_TRUE(third.ok) << third.error;
    EXPECT_EQ(third.path, InDir("09_12_2012 - 18.05.07 (3).jpg"));

    EXPECT_EQ(ReadText(InDir(kName)), "first");
    EXPECT_EQ(dir_.FileNames(),
              (Names{"09_12_2012 - 18.05.07 (2).jpg", "09_12_2012 - 18.05.07 (3).jpg", kName}));
}

TEST_F(SaveJpeg, LeftoverTemporaryFileIsNeitherUsedNorRemoved) {
    const std::string leftover = std::string(kName) + kTemporarySuffix;
    WriteText(InDir(leftover), "old");
    const SaveResult result = Save(files_, dir_.path());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, InDir(kName));
    EXPECT_EQ(ReadText(InDir(leftover)), "old");
    EXPECT_EQ(dir_.FileNames(), (Names{kName, leftover}));
}

// Takes the wanted name just before the rename, as another program might.
class NameThief : public test::PosixFileService {
public:
    explicit NameThief(std::string victim) : victim_(std::move(victim)) {}
    bool MoveNoReplace(const std::string& from, const std::string& to) override {
        if (to == victim_) WriteText(to, "theirs");
        return PosixFileService::MoveNoReplace(from, to);
    }

private:
    std::string victim_;
};

TEST_F(SaveJpeg, NameTakenDuringTheSaveIsSkippedNotReplaced) {
    NameThief thief(InDir(kName));
    const SaveResult result = Save(thief, dir_.path());
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, InDir("09_12_2012 - 18.05.07 (2).jpg"));
    EXPECT_EQ(ReadText(InDir(kName)), "theirs");
    EXPECT_EQ(dir_.FileNames(), (Names{"09_12_2012 - 18.05.07 (2).jpg", kName}));
}

struct BadFolderCase {
    std::string name;
    std::string folderInDir;  // relative to the test folder; "" for an empty folder path
    std::string errorMentions;
};

class SaveJpegBadFolder : public SaveJpeg, public testing::WithParamInterface<BadFolderCase> {};

TEST_P(SaveJpegBadFolder, FailsWithAReasonAndWritesNothing) {
    WriteText(InDir("plain file"), "x");
    const std::string folder = GetParam().folderInDir.empty() ? "" : InDir(GetParam().folderInDir);
    const SaveResult result = Save(files_, folder);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.path.empty());
    EXPECT_NE(result.error.find(GetParam().errorMentions), std::string::npos) << result.error;
    EXPECT_EQ(dir_.FileNames(), Names{"plain file"});
}

INSTANTIATE_TEST_SUITE_P(SaveJpeg, SaveJpegBadFolder,
                         testing::Values(BadFolderCase{"EmptyFolderPath", "", "no desktop folder"},
                                         BadFolderCase{"MissingFolder", "missing", "does not exist"},
                                         BadFolderCase{"FolderIsAFile", "plain file", "Not a directory"}),
                         [](const auto& testCase) { return testCase.param.name; });

// Every file it creates writes into /dev/full, as on a full disk.
class FullDisk : public test::PosixFileService {
public:
    std::FILE* CreateNew(const std::string& path) override {
        std::FILE* real = PosixFileService::CreateNew(path);
        if (!real) return nullptr;
        std::fclose(real);
        return std::fopen("/dev/full", "wb");
    }
};

TEST_F(SaveJpeg, FullDiskRemovesTheTemporaryFileAndSaysSo) {
    FullDisk full;
    const SaveResult result = Save(full, dir_.path());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Could not write the file in " + dir_.path()), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("disk"), std::string::npos) << result.error;
    EXPECT_TRUE(dir_.FileNames().empty());
}

// Refuses one step the way a locked or protected folder would.
class Refusing : public test::PosixFileService {
public:
    enum class Step { Create, Move };
    explicit Refusing(Step step) : step_(step) {}
    std::FILE* CreateNew(const std::string& path) override {
        if (step_ != Step::Create) return PosixFileService::CreateNew(path);
        SetLastError(kRefusal);
        return nullptr;
    }
    bool MoveNoReplace(const std::string& from, const std::string& to) override {
        if (step_ != Step::Move) return PosixFileService::MoveNoReplace(from, to);
        SetLastError(kRefusal);
        return false;
    }
    static constexpr char kRefusal[] = "Access is denied.";

private:
    Step step_;
};

class SaveJpegRefused : public SaveJpeg, public testing::WithParamInterface<Refusing::Step> {};

TEST_P(SaveJpegRefused, ReportsTheSystemsReasonAndLeavesNoFile) {
    Refusing refusing(GetParam());
    const SaveResult result = Save(refusing, dir_.path());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Could not write the file in " + dir_.path() + ": " + Refusing::kRefusal);
    EXPECT_TRUE(dir_.FileNames().empty());
}

INSTANTIATE_TEST_SUITE_P(SaveJpeg, SaveJpegRefused, testing::Values(Refusing::Step::Create, Refusing::Step::Move),
                         [](const auto& testCase) {
                             return testCase.param == Refusing::Step::Create ? "Create" : "Move";
                         });

TEST(SaveJpegPath, UsesABackslashByDefault) {
    // A recording service: nothing reaches the disk.
    class Recorder : public FileService {
    public:
        bool Exists(const std::string& path) override { return path == "C:\\Desktop"; }
        std::FILE* CreateNew(const std::string&) override { return std::tmpfile(); }
        bool MoveNoReplace(const std::string&, const std::string& to) override {
            target = to;
            return true;
        }
        bool Remove(const std::string&) override { return true; }
        std::string LastError() override { return ""; }
        std::string target;
    } recorder;
    const SaveResult result = SaveJpegNoOverwrite(recorder, "C:\\Desktop", kName, test::BusyPicture(3, 3));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.path, std::string("C:\\Desktop\\") + kName);
    EXPECT_EQ(recorder.target, result.path);
}

}  // namespace
}  // namespace corvane
