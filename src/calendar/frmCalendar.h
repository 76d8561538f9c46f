// The month calendar window that opens under the bar. Its grid and keys come with the calendar itself.
#pragma once

#include "forms/FormInstance.h"

class frmCalendar : public forms::Form, public forms::FormInstance<frmCalendar> {
private:
    friend class forms::FormInstance<frmCalendar>;
    frmCalendar();

    void Form_Load() override;
};
