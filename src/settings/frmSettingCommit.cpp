// Checking and saving the settings dialog: every field is checked before anything is written, the
// changed texts go to the file exactly as typed in one rewrite, and a refused save is shown with its
// reason.
#include <array>
#include <optional>
#include <string>

#include "core/AppSettings.h"
#include "core/Numbers.h"
#include "core/basINIFile.h"
#include "settings/InputRules.h"
#include "settings/frmSetting.h"

namespace {

void Warn(const std::string& text) {
    platform::Windows().ShowMessageBox(text, "Vigilon", platform::MessageIcon::Exclamation);
}

// The list's entries in the order shown, each in stored form, joined with commas.
std::string Joined(const forms::ListBox& list, std::string (*unpad)(std::string)) {
    std::string out;
    for (int i = 0; i < list.ListCount(); ++i) {
        if (i > 0)
            out += ',';
        out += unpad(list.List(i));
    }
    return out;
}

}  // namespace

bool frmSetting::CommitSetting() {
    if (!settings::DriveListAccepted(txtCheckDrive.Text())) {
        Warn(std::string(settings::kDriveListMessage));
        return false;
    }
    core::Settings& s = core::AppSettings;
    struct Interval {
        const forms::EditBox& box;
        settings::IntervalRule rule;
        const char* key;
        std::int32_t& field;
    };
    const std::array<Interval, 5> intervals{{
        {txtInterval, {"アクティブウィンドウをチェックする間隔は", 100, 60000}, "Interval", s.Interval},
        {txtCPU, {"ＣＰＵ使用率をチェックする間隔は", 100, 60000}, "CPUInterval", s.CPUInterval},
        {txtMemory, {"メモリ使用率をチェックする間隔は", 100, 60000}, "MemoryInterval", s.MemoryInterval},
        {txtDrive, {"ドライブ使用率をチェックする間隔は", 100, 60000}, "DriveInterval", s.DriveInterval},
        {txtBatt, {"電源状態をチェックする間隔は", 0, 60000}, "BattInterval", s.BattInterval},
    }};
    for (const Interval& i : intervals) {
        if (const std::optional<std::string> refusal = settings::RefuseInterval(i.box.Text(), i.rule)) {
            Warn(*refusal);
            return false;
        }
    }

    // Only the keys whose text changed, all in one rewrite of the file: everything else in it keeps
    // every byte (values longer than the dialog reads are not cut), and a failure leaves it whole.
    const platform::profile::Entries texts = SavedTexts();
    platform::profile::Entries changed;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i >= unchanged_.size() || texts[i] != unchanged_[i])
            changed.push_back(texts[i]);
    }
    if (!changed.empty() && !basINIFile::WriteINIStrings(basINIFile::kSection, changed)) {
        Warn("設定を保存できませんでした。\r\n" + basINIFile::SettingsFilePath() + "\r\n" +
             basINIFile::LastWriteError());
        return false;
    }
    unchanged_ = texts;
    s.CalendarHoliday1 = Joined(lstHoliday1, &UnpadHoliday1);
    s.CalendarHoliday2 = Joined(lstHoliday2, &UnpadHoliday2);
    s.Drive = txtCheckDrive.Text();
    for (const Interval& i : intervals)
        i.field = static_cast<std::int32_t>(core::RoundHalfEven(*settings::ReadNumber(i.box.Text())));
    s.Trans = static_cast<std::int16_t>(sldTrans.Value());
    s.ActiveWindow = static_cast<std::int16_t>(chkActiveWindow.Value());
    return true;
}

// In the order the keys are written.
platform::profile::Entries frmSetting::SavedTexts() const {
    return {
        {"CalendarHoliday1", Joined(lstHoliday1, &UnpadHoliday1)},
        {"CalendarHoliday2", Joined(lstHoliday2, &UnpadHoliday2)},
        {"Drive", txtCheckDrive.Text()},
        {"Interval", txtInterval.Text()},
        {"CPUInterval", txtCPU.Text()},
        {"MemoryInterval", txtMemory.Text()},
        {"DriveInterval", txtDrive.Text()},
        {"BattInterval", txtBatt.Text()},
        {"Trans", std::to_string(sldTrans.Value())},
        {"ActiveWindow", std::to_string(chkActiveWindow.Value())},
    };
}
