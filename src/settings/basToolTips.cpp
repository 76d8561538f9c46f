// The help table of the settings dialog's balloons, and SetBalloonTips, which gives each control
// its balloon.
#include "settings/basToolTips.h"

#include <algorithm>

#include "settings/frmSetting.h"

namespace basToolTips {

namespace {
constexpr int kRuleChars = 53;
constexpr std::string_view kHeavyRule = "━";  // U+2501
constexpr platform::Color kDarkRed{94, 0, 0};
}  // namespace

const std::array<HelpEntry, 15> kHelp{{
    {"txtCheckDrive", "チェックするドライブ",
     "ドライブの使用率をチェックするドライブを\r\nカンマ区切りで入力してください", 23},
    {"txtInterval", "アクティブウィンドウ",
     "アクティブなウィンドウを追いかける間隔を入力して下さい\r\n500ms位がちょうどいいと思います", 23},
    {"txtCPU", "ＣＰＵ使用率", "ＣＰＵ使用率をチェックする間隔を入力して下さい\r\n500ms位がちょうどいいと思います", 21},
    {"txtMemory", "メモリ使用率", "メモリ使用率をチェックする間隔を入力して下さい\r\n500ms位がちょうどいいと思います",
     21},
    {"txtDrive", "ハードディスクの空き容量",
     "ハードディスクの空き容量をチェックする間隔を入力して下さい\r\n60000ms(１分)位がちょうどいいと思います", 26},
    {"txtBatt", "電源状態", "電源状態をチェックする間隔を入力して下さい\r\n60000ms(１分)位がちょうどいいと思います",
     20},
    {"sldTrans", "ウィンドウの透明度",
     "ウィンドウの透明度を入力して下さい\r\nあまり値を小さくすると見えなくなるかもしれません", 23},
    {"cmbMonth", "休祝日の月", "休祝日に設定する月を選択して下さい", 20},
    {"cmbDay", "休祝日の日", "休祝日に設定する日を選択して下さい", 20},
    {"cmbSyu", "第何週", "第何週が休祝日かを選択して下さい", 20},
    {"cmbWeekday", "休祝日の曜日", "休祝日に設定する曜日を選択して下さい", 21},
    {"btnAdd1", "追加ボタン", "休祝日の日を追加します", 15},
    {"btnDel1", "削除ボタン", "休祝日の日を削除します", 15},
    {"btnAdd2", "追加ボタン", "休祝日の日を追加します", 15},
    {"btnDel2", "削除ボタン", "休祝日の日を削除します", 15},
}};

std::string BalloonText(const HelpEntry& entry) {
    // The rule text is 53 rule characters and the two of the line break; a longer cut than the
    // whole text takes the whole text.
    const int rules = std::clamp(entry.RuleLen - 2, 0, kRuleChars);
    std::string text;
    for (int i = 0; i < rules; ++i)
        text += kHeavyRule;
    if (entry.RuleLen > 0)
        text += entry.RuleLen == 1 ? "\n" : "\r\n";
    text += entry.Text;
    return text;
}

}  // namespace basToolTips

void frmSetting::SetBalloonTips() {
    const std::pair<std::string_view, const forms::NativeControl*> controls[] = {
        {"txtCheckDrive", &txtCheckDrive},
        {"txtInterval", &txtInterval},
        {"txtCPU", &txtCPU},
        {"txtMemory", &txtMemory},
        {"txtDrive", &txtDrive},
        {"txtBatt", &txtBatt},
        {"sldTrans", &sldTrans},
        {"cmbMonth", &cmbMonth},
        {"cmbDay", &cmbDay},
        {"cmbSyu", &cmbSyu},
        {"cmbWeekday", &cmbWeekday},
        {"btnAdd1", &btnAdd1},
        {"btnDel1", &btnDel1},
        {"btnAdd2", &btnAdd2},
        {"btnDel2", &btnDel2},
    };
    for (const basToolTips::HelpEntry& entry : basToolTips::kHelp) {
        const auto* it = std::find_if(std::begin(controls), std::end(controls),
                                      [&](const auto& c) { return c.first == entry.control; });
        if (it == std::end(controls) || it->second->hWnd() == 0)
            continue;  // no native control: the dialog works without this balloon
        platform::BalloonTip tip;
        tip.title = entry.Title;
        tip.text = basToolTips::BalloonText(entry);
        tip.textColor = basToolTips::kDarkRed;
        tip.maxWidth = 1000;
        platform::Controls().AddBalloonTip(hWnd(), it->second->hWnd(), tip);
    }
}
