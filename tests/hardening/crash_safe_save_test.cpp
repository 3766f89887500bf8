// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Saves that fail part-way: the old file stays byte for byte as it was, nothing is left beside
// it, and the user is told by the window that saved.

#include "cardata/car_data_file.h"
#include "cardata/data_settings.h"
#include "mileage/mileage_file.h"
#include "mileage/mileage_tracker.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace milora;
namespace fs = std::filesystem;
using milora::test::slurp;
using milora::test::TempFolder;

namespace {

enum class Fault {
    DiskFillsUp,    // the disk takes the first bytes of the new file and refuses the rest
    ReadOnlyFolder, // no new file can be made beside the old one
};

// Holds a fault for as long as it lives.
class Armed {
public:
    Armed(Fault fault, const fs::path& dir) : fault_(fault), dir_(dir) {
        if (fault_ == Fault::DiskFillsUp) {
            // A file may not grow past 16 bytes: a write beyond fails with EFBIG instead of the
            // signal that would end the process.
            getrlimit(RLIMIT_FSIZE, &old_limit_);
            old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{16, old_limit_.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
        } else {
            fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        }
    }
    ~Armed() {
        if (fault_ == Fault::DiskFillsUp) {
            setrlimit(RLIMIT_FSIZE, &old_limit_);
            std::signal(SIGXFSZ, old_handler_);
        } else {
            fs::permissions(dir_, fs::perms::owner_all);
        }
    }
    Armed(const Armed&) = delete;
    Armed& operator=(const Armed&) = delete;

private:
    Fault fault_;
    fs::path dir_;
    rlimit old_limit_{};
    void (*old_handler_)(int) = SIG_DFL;
};

struct FaultCase {
    Fault fault;
    const char* name;
};

const FaultCase kFaults[] = {
    {Fault::DiskFillsUp, "disk fills up"},
    {Fault::ReadOnlyFolder, "read-only folder"},
};

// One way the program saves: writes the old file, then tries to save other contents over it
// through the window's own layer and returns what the user was told.
struct SaveCase {
    const char* name;
    std::function<void(const std::string& path)> write_old;
    std::function<std::vector<Message>(const std::string& path)> save;
    std::string told; // the start of the message
};

class CrashSafeSaveTest : public ::testing::Test {
protected:
    TempFolder temp{"crash-safe"};
    const fs::path& dir = temp.path();
    std::size_t files_in_dir() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator{}));
    }
};

CarData other_car() {
    CarData car;
    car.Global_Gas_Cost = 4.25F;
    car.Global_Yearly_Miles_Traveled = 15000;
    return car;
}

std::vector<Message> save_settings(const std::string& path, bool as_default) {
    ProgramState state;
    state.car = other_car();
    state.Car_Data_Filename = "before";
    cardata::DataSettings form(state);
    form.load();
    const bool saved = as_default ? form.save_as_default(path) : form.save_to(path);
    EXPECT_FALSE(saved);
    EXPECT_EQ(state.Car_Data_Filename, "before"); // the window does not name a file not saved
    std::vector<Message> told = form.dialogue().take_kept();
    // Save shows the chosen path before it writes; what matters here is what follows.
    if (!as_default && !told.empty() && told.front() == cardata::saved_path_message(path)) {
        told.erase(told.begin());
    }
    return told;
}

std::vector<Message> save_tracker(const std::string& path, bool as_csv) {
    mileage::MileageTracker tracker;
    tracker.add_new();
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(
            tracker.add_entry("day " + std::to_string(i), std::to_string(2000 + 250 * i), "9.5")
                .added);
    }
    tracker.done_adding();
    EXPECT_FALSE(as_csv ? tracker.export_csv(path) : tracker.save(path));
    EXPECT_TRUE(tracker.data_changed()); // still unsaved
    return tracker.dialogue().take_kept();
}

void write_old_log(const std::string& path) {
    mileage::MileageLog log;
    log.append("9/16/2006", 1000, 10);
    log.append("9/23/2006", 1300, 10);
    ASSERT_TRUE(mileage::write_mileage_file(path, log).ok());
}

void write_old_car(const std::string& path) {
    ASSERT_TRUE(cardata::write_car_data(path, CarData{}));
}

const std::string kCarTold = "The car data file \"";
const std::string kLogTold = "The file \"";

const SaveCase kSaves[] = {
    {"Data Settings Save", write_old_car,
     [](const std::string& p) { return save_settings(p, false); }, kCarTold},
    {"Data Settings Save As Default", write_old_car,
     [](const std::string& p) { return save_settings(p, true); }, kCarTold},
    {"tracker Save", write_old_log, [](const std::string& p) { return save_tracker(p, false); },
     kLogTold},
    {"tracker Export", write_old_log, [](const std::string& p) { return save_tracker(p, true); },
     kLogTold},
};

} // namespace

TEST_F(CrashSafeSaveTest, AFailedSaveKeepsTheOldFileAndTellsTheUser) {
    // Saves over an old file with the fault armed; what went wrong, or nothing.
    const auto failed_save = [&](const FaultCase& f, const SaveCase& s, const std::string& path,
                                 const std::string& before) {
        const std::string where = std::string(s.name) + ", " + f.name + ": ";
        std::vector<Message> told;
        {
            const Armed armed(f.fault, dir);
            told = s.save(path);
        }
        std::string fault;
        if (slurp(path) != before) {
            fault += where + "the old file changed; ";
        }
        if (files_in_dir() != 1) {
            fault += where + "a half-written file was left beside it; ";
        }
        const std::string start = s.told + path + "\" could not be saved: ";
        if (told.size() != 1 || told[0].icon != Icon::Warning ||
            told[0].text.rfind(start, 0) != 0) {
            fault += where + "not told with a warning starting \"" + start + "\"; ";
        }
        return fault;
    };
    for (const FaultCase& f : kFaults) {
        for (const SaveCase& s : kSaves) {
            const std::string path = (dir / "old.file").string();
            s.write_old(path);
            const std::string before = slurp(path);
            ASSERT_FALSE(before.empty());
            if (f.fault == Fault::ReadOnlyFolder) {
                // A folder its owner may not write to (root would write anyway).
                test::expect_as_ordinary_user({dir.string(), path},
                                              [&] { return failed_save(f, s, path, before); });
            } else {
                EXPECT_EQ(failed_save(f, s, path, before), "");
            }
            fs::remove(path);
        }
    }
}

TEST_F(CrashSafeSaveTest, AStopBetweenWritingAndRenamingKeepsTheOldFile) {
    const std::string car = (dir / "car.miloracar").string();
    const std::string log = (dir / "log.miloragas").string();
    write_old_car(car);
    write_old_log(log);
    const std::string car_before = slurp(car);
    const std::string log_before = slurp(log);
    auto crash = [] { throw std::runtime_error("power cut"); };
    const Status c = cardata::write_car_data(car, other_car(), crash);
    const Status m = mileage::write_mileage_file(log, mileage::MileageLog{}, crash);
    for (const Status& r : {c, m}) {
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.reason(), "the write was interrupted");
    }
    EXPECT_EQ(slurp(car), car_before);
    EXPECT_EQ(slurp(log), log_before);
    EXPECT_EQ(files_in_dir(), 2U);
}

TEST_F(CrashSafeSaveTest, ASaveReplacesTheFileALinkNamesAndNeverAPipe) {
    // A link, as a dotfile manager leaves one: the file it names gets the new contents and the
    // link stays a link.
    fs::create_directories(dir / "real");
    const fs::path real = dir / "real" / "car.miloracar";
    write_old_car(real.string());
    const auto owner_only = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(real, owner_only);
    const fs::path link = dir / "car.miloracar";
    fs::create_symlink(fs::path("real") / "car.miloracar", link);
    ASSERT_TRUE(cardata::write_car_data(link.string(), other_car()));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(slurp(real.string()), cardata::car_data_text(other_car()));
    EXPECT_EQ(fs::status(real).permissions(), owner_only); // the file's own, not the link's

    // A link to a file yet to be made makes that file.
    const fs::path dangling = dir / "new.miloragas";
    fs::create_symlink(fs::path("real") / "new.miloragas", dangling);
    ASSERT_TRUE(mileage::write_mileage_file(dangling.string(), mileage::MileageLog{}).ok());
    EXPECT_TRUE(fs::is_regular_file(dir / "real" / "new.miloragas"));

    // A pipe (or a device) is not replaced by a file: the save fails and says why.
    const std::string pipe = (dir / "pipe.csv").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::vector<Message> told = save_tracker(pipe, true);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_EQ(told[0].text, "The file \"" + pipe +
                                "\" could not be saved: Not a regular file. Your data has not "
                                "been saved.");
    EXPECT_TRUE(fs::is_fifo(fs::status(pipe)));
}

TEST_F(CrashSafeSaveTest, AVeryLongFileNameStillSavesAtomically) {
    const std::string name = std::string(250, 'n') + ".csv";
    const std::string path = (dir / name).string();
    write_old_log(path);
    ASSERT_TRUE(mileage::write_mileage_file(path, mileage::MileageLog{}).ok());
    EXPECT_EQ(slurp(path), "");
    EXPECT_EQ(files_in_dir(), 1U);
}

TEST_F(CrashSafeSaveTest, AReadOnlyFileIsNeverReplaced) {
    // The folder is writable, so a rename would succeed; the file's own permission must hold.
    for (const SaveCase& save : kSaves) {
        SCOPED_TRACE(save.name);
        const std::string path = (dir / "locked").string();
        save.write_old(path);
        const std::string before = slurp(path);
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const std::vector<Message> told = save.save(path);
        ASSERT_EQ(told.size(), 1U);
        EXPECT_EQ(told[0].text.rfind(save.told + path + "\" could not be saved: ", 0), 0U);
        EXPECT_NE(told[0].text.find(std::string(": ") + kReadOnlyReason + "."), std::string::npos)
            << told[0].text;
        EXPECT_EQ(slurp(path), before);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(files_in_dir(), 1U);
        fs::permissions(path, fs::perms::owner_all);
        fs::remove(path);
    }
}

TEST_F(CrashSafeSaveTest, TemporariesAKilledSaveLeftAreRemovedByTheNextSave) {
    const std::string car = (dir / "car.miloracar").string();
    write_old_car(car);
    const auto put = [&](const std::string& name) {
        const fs::path p = dir / name;
        ASSERT_TRUE(write_file_atomically(p.string(), "half written"));
        return;
    };
    // Ours and old: removed. Ours but just written (another program's save in progress), not
    // quite our naming, or another file's: kept.
    put(".car.miloracar.Ab12Zz");
    put(".car.miloracar.fresh1");
    put(".car.miloracar.toolong1");
    put(".car.miloracar.ab-12z");
    put(".other.miloracar.Ab12Zz");
    put("car.miloracar.Ab12Zz");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name :
         {".car.miloracar.Ab12Zz", ".car.miloracar.toolong1", ".car.miloracar.ab-12z",
          ".other.miloracar.Ab12Zz", "car.miloracar.Ab12Zz"}) {
        fs::last_write_time(dir / name, old);
    }
    fs::create_directory(dir / ".car.miloracar.Dir123");
    fs::last_write_time(dir / ".car.miloracar.Dir123", old);
    ASSERT_TRUE(cardata::write_car_data(car, other_car()));
    EXPECT_FALSE(fs::exists(dir / ".car.miloracar.Ab12Zz"));
    for (const char* kept :
         {".car.miloracar.fresh1", ".car.miloracar.toolong1", ".car.miloracar.ab-12z",
          ".other.miloracar.Ab12Zz", "car.miloracar.Ab12Zz", ".car.miloracar.Dir123"}) {
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    }
    EXPECT_EQ(slurp(car), cardata::car_data_text(other_car()));
}

// Under a file-size limit (ulimit -f) with nobody ignoring SIGXFSZ, as the program starts, a save
// that passes the limit fails with its reason instead of the signal ending the program.
TEST_F(CrashSafeSaveTest, ASaveUnderAFileSizeLimitFailsWithItsReason) {
    const std::string path = (dir / "limited.miloragas").string();
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            limit.rlim_cur = 4096;
            limit.rlim_max = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
            mileage::MileageLog log;
            for (int i = 0; i < 1000; ++i) {
                log.append("9/16/2006", static_cast<float>(1000 + 300 * i), 10);
            }
            const Status w = write_mileage_file(path, log);
            const bool reason = w.reason().find("ulimit -f") != std::string::npos;
            std::_Exit(!w.ok() && reason && !fs::exists(path) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
