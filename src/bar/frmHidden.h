// The invisible window that owns the bar's right-click menu; it is never shown.
#pragma once

#include "forms/FormInstance.h"

class frmHidden : public forms::Form, public forms::FormInstance<frmHidden> {
private:
    friend class forms::FormInstance<frmHidden>;
    frmHidden();
};
