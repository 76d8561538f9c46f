// Checking and saving the settings dialog: every field is checked before anything is written, the
// texts go to the file exactly as typed, and a write the file refuses stops the save with a message.
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
    platform::Current().ShowMessageBox(text, "Vigilon", platform::MessageIcon::Exclamation);
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

// One key written; a refusal is shown with the file and the system's reason.
bool Write(const char* key, const std::string& value) {
    if (basINIFile::WriteINIString(basINIFile::kSection, key, value))
        return true;
    Warn("設定を保存できませんでした。\r\n" + basINIFile::SettingsFilePath() + "\r\n" + basINIFile::LastWriteError());
    return false;
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

    s.CalendarHoliday1 = Joined(lstHoliday1, &UnpadHoliday1);
    if (!Write("CalendarHoliday1", s.CalendarHoliday1))
        return false;
    s.CalendarHoliday2 = Joined(lstHoliday2, &UnpadHoliday2);
    if (!Write("CalendarHoliday2", s.CalendarHoliday2))
        return false;
    if (!Write("Drive", txtCheckDrive.Text()))
        return false;
    s.Drive = txtCheckDrive.Text();
    for (const Interval& i : intervals) {
        if (!Write(i.key, i.box.Text()))
            return false;
        i.field = static_cast<std::int32_t>(core::RoundHalfEven(*settings::ReadNumber(i.box.Text())));
    }
    if (!Write("Trans", std::to_string(sldTrans.Value())))
        return false;
    s.Trans = static_cast<std::int16_t>(sldTrans.Value());
    s.ActiveWindow = static_cast<std::int16_t>(chkActiveWindow.Value());
    return Write("ActiveWindow", std::to_string(chkActiveWindow.Value()));
}
