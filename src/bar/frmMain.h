// The bar: a borderless topmost window with four meter cells (CPU, drive, memory, power) and the clock.
#pragma once

#include <cstdint>
#include <string>

#include "core/WindowRequests.h"
#include "forms/FormInstance.h"
#include "forms/Label.h"
#include "forms/ReadOnlyTextBox.h"
#include "forms/Timer.h"

class frmMain : public forms::Form, public forms::FormInstance<frmMain> {
public:
    // Takes the system-information snapshot (names, adapters, antivirus versions, OS text) and
    // shows the names in txtCN and txtUN.
    void SetToolTipText();
    // One follow tick now.
    void CallCheck_Timer();
    // Refreshes the clock and all four meters, in a fixed order.
    void CallTime_Timer();
    // Places the bar at the top of the topmost band.
    void SetTopMost();
    // Stops the popup delay and closes the popup, leaving the hover state as it is: the popup
    // comes back only after the cursor has left the bar and rested on it again.
    void CancelPopup();
    // The bar's key-release handling for a key another window of ours received.
    void Call_Form_KeyUp(int KeyCode, int Shift);

    // The calendar, through the window requests: placed by the bar and shown, placed again, closed.
    void ShowCalendar();
    void PlaceCalendar();
    void CloseCalendar();
    // The bar's window and place, for the windows placed beside it.
    WindowRequests::Frame Frame() const;

    // Controls, bottom-most first (the drawing order).
    forms::Label lblBackBar;
    forms::Label lblBarMemory;
    forms::Label lblMemory;
    forms::Label lblBarCPU;
    forms::Label lblBarDrive;
    forms::Label lblBarBatt;
    forms::Label lblCPU;
    forms::Label lblTime;
    forms::Label lblDrive;
    forms::Label lblBatt;
    forms::ReadOnlyTextBox txtCN;
    forms::ReadOnlyTextBox txtUN;

    forms::Timer tmrCheck;
    forms::Timer tmrCPU;
    forms::Timer tmrMemory;
    forms::Timer tmrDrive;
    forms::Timer tmrBatt;
    forms::Timer tmrTime;
    forms::Timer tmrToolTip;

private:
    friend class forms::FormInstance<frmMain>;
    frmMain();

    void Form_Load() override;
    void Form_CloseRequest() override;
    void Form_KeyUp(int KeyCode, int Shift) override;
    void Form_Resize() override;

    void lblTime_DblClick();
    void DragBar(int Button, int Shift, forms::Twips X, forms::Twips Y);
    void ShowBarMenu(int Button, int Shift, forms::Twips X, forms::Twips Y);

    void tmrCheck_Timer();
    void tmrCPU_Timer();
    void tmrMemory_Timer();
    void tmrDrive_Timer();
    void tmrBatt_Timer();
    void tmrTime_Timer();
    void tmrToolTip_Timer();
    enum class PointerPlace { Inside, Edge, Outside };
    PointerPlace WherePointerIs();
    void HoverStep();
    void Form_MouseLeave() override;
    bool RideOn(platform::WindowHandle window);
    // Moves the bar inside the work area of its monitor where it lies outside it.
    void KeepInWorkArea();
    void StepAside();
    void DismissPopup();

    // The ActiveWindow setting: 0 follows the active window, 1 stays put. Other stored values follow
    // too, but do not turn following back on from the clock tick.
    static constexpr std::int16_t kFollowActiveWindow = 0;
    static constexpr std::int16_t kStayPut = 1;
    // While the pointer rests on the bar, the popup is shown again this often.
    static constexpr std::int32_t kPopupRepeatMs = 1000;

    bool bPopupArmed_ = false;  // the cursor was seen inside the bar and not outside since
    bool bPointerAway_ = true;  // seen outside the bar since the bar last heard the pointer leave
};
