// The month calendar window that opens under the bar. Its grid and keys come with the calendar itself.
#pragma once

#include "forms/FormInstance.h"

class frmCalendar : public forms::Form, public forms::FormInstance<frmCalendar> {
public:
    // Runs the calendar's key handling for a key the bar received.
    void Call_Form_KeyUp(int KeyCode, int Shift) { Form_KeyUp(KeyCode, Shift); }

private:
    friend class forms::FormInstance<frmCalendar>;
    frmCalendar();

    void Form_Load() override;
};
