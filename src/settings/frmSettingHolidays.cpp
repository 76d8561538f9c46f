// The holiday editors: stored entries padded with spaces for the lists, so that the lists' byte order
// is calendar order, and the add and delete buttons.
#include <string>

#include "settings/frmSetting.h"

std::string frmSetting::PadHoliday1(std::string s) {
    if (s.size() >= 2 && s[1] == '/')
        s.insert(0, 1, ' ');
    if (s.size() == 4)
        s = s.substr(0, 3) + ' ' + s.substr(3);
    return s;
}

std::string frmSetting::UnpadHoliday1(std::string s) {
    if (s.size() >= 4 && s[3] == ' ')
        s = s.substr(0, 3) + s.substr(s.size() - 1);
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    return s;
}

std::string frmSetting::PadHoliday2(std::string s) {
    if (s.size() >= 2 && s[1] == '-')
        s.insert(0, 1, ' ');
    return s;
}

std::string frmSetting::UnpadHoliday2(std::string s) {
    if (!s.empty() && s[0] == ' ')
        s.erase(0, 1);
    return s;
}

namespace {

// Adds the entry unless the list holds exactly that text already; true when it was added.
bool AddUnlessListed(forms::ListBox& list, const std::string& entry) {
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == entry)
            return false;
    }
    list.AddItem(entry);
    return true;
}

bool RemoveSelected(forms::ListBox& list) {
    if (list.ListIndex() < 0)
        return false;
    list.RemoveItem(list.ListIndex());
    return true;
}

std::string Number(const forms::ComboBox& picker) {
    return std::to_string(picker.ListIndex() + 1);
}

}  // namespace

void frmSetting::btnAdd1_Click() {
    if (AddUnlessListed(lstHoliday1, PadHoliday1(Number(cmbMonth) + "/" + Number(cmbDay))))
        EnableApply();
}

void frmSetting::btnDel1_Click() {
    if (RemoveSelected(lstHoliday1))
        EnableApply();
}

void frmSetting::btnAdd2_Click() {
    const std::string entry = Number(cmbMonth) + "-" + Number(cmbSyu) + "-" + Number(cmbWeekday);
    if (AddUnlessListed(lstHoliday2, PadHoliday2(entry)))
        EnableApply();
}

void frmSetting::btnDel2_Click() {
    if (RemoveSelected(lstHoliday2))
        EnableApply();
}
