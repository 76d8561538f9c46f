// Filling the settings dialog from the record, and checking and saving it: every field is checked
// before anything is written, the changed texts go to the file exactly as typed in one rewrite, and a
// refused save is shown with its reason. Names and ranges of the keys come from the key table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/AppSettings.h"
#include "core/Numbers.h"
#include "core/SettingKeys.h"
#include "core/basINIFile.h"
#include "settings/InputRules.h"
#include "settings/frmSetting.h"

namespace {

using core::Settings;

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

// Adds each comma-separated piece of a stored list, padded; an empty list adds nothing, an empty
// piece adds an empty entry.
void FillHolidays(forms::ListBox& list, std::string_view stored, std::string (*pad)(std::string)) {
    if (stored.empty())
        return;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = stored.find(',', start);
        list.AddItem(pad(std::string(stored.substr(start, comma - start))));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
}

// The interval boxes in the order they are checked and written, with the words of their messages.
struct IntervalBox {
    forms::EditBox frmSetting::*box;
    std::string_view subject;
    std::int32_t Settings::*field;
};

constexpr IntervalBox kIntervalBoxes[] = {
    {&frmSetting::txtInterval, "アクティブウィンドウをチェックする間隔は", &Settings::Interval},
    {&frmSetting::txtCPU, "ＣＰＵ使用率をチェックする間隔は", &Settings::CPUInterval},
    {&frmSetting::txtMemory, "メモリ使用率をチェックする間隔は", &Settings::MemoryInterval},
    {&frmSetting::txtDrive, "ドライブ使用率をチェックする間隔は", &Settings::DriveInterval},
    {&frmSetting::txtBatt, "電源状態をチェックする間隔は", &Settings::BattInterval},
};

settings::IntervalRule RuleOf(const IntervalBox& i) {
    const core::SettingKey& key = core::KeyOf(i.field);
    return {i.subject, key.minimum, key.maximum};
}

std::pair<std::string, std::string> Saved(core::SettingField field, std::string text) {
    return {std::string(core::KeyOf(field).name), std::move(text)};
}

}  // namespace

void frmSetting::FillFromSettings() {
    const Settings& s = core::AppSettings;
    txtCheckDrive.SetText(s.Drive);
    for (const IntervalBox& i : kIntervalBoxes)
        (this->*i.box).SetText(std::to_string(s.*i.field));
    sldTrans.SetValue(s.Trans);
    // Only 1 means "stay put"; every other stored value follows, so it shows unchecked.
    chkActiveWindow.SetValue(s.ActiveWindow == 1 ? 1 : 0);
    FillHolidays(lstHoliday1, s.CalendarHoliday1, &PadHoliday1);
    FillHolidays(lstHoliday2, s.CalendarHoliday2, &PadHoliday2);
    unchanged_ = SavedTexts();
}

bool frmSetting::CommitSetting() {
    if (!settings::DriveListAccepted(txtCheckDrive.Text())) {
        Warn(std::string(settings::kDriveListMessage));
        return false;
    }
    for (const IntervalBox& i : kIntervalBoxes) {
        if (const std::optional<std::string> refusal = settings::RefuseInterval((this->*i.box).Text(), RuleOf(i))) {
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
    Settings& s = core::AppSettings;
    s.CalendarHoliday1 = Joined(lstHoliday1, &UnpadHoliday1);
    s.CalendarHoliday2 = Joined(lstHoliday2, &UnpadHoliday2);
    s.Drive = txtCheckDrive.Text();
    for (const IntervalBox& i : kIntervalBoxes)
        s.*i.field = static_cast<std::int32_t>(core::RoundHalfEven(*settings::ReadNumber((this->*i.box).Text())));
    s.Trans = static_cast<std::int16_t>(sldTrans.Value());
    s.ActiveWindow = static_cast<std::int16_t>(chkActiveWindow.Value());
    return true;
}

// In the order the keys are written.
platform::profile::Entries frmSetting::SavedTexts() const {
    platform::profile::Entries texts{
        Saved(&Settings::CalendarHoliday1, Joined(lstHoliday1, &UnpadHoliday1)),
        Saved(&Settings::CalendarHoliday2, Joined(lstHoliday2, &UnpadHoliday2)),
        Saved(&Settings::Drive, txtCheckDrive.Text()),
    };
    for (const IntervalBox& i : kIntervalBoxes)
        texts.push_back(Saved(i.field, (this->*i.box).Text()));
    texts.push_back(Saved(&Settings::Trans, std::to_string(sldTrans.Value())));
    texts.push_back(Saved(&Settings::ActiveWindow, std::to_string(chkActiveWindow.Value())));
    return texts;
}
