// The system-information popup beside the bar. Its contents come with the system-information snapshot.
#pragma once

#include "forms/FormInstance.h"

class frmPopup : public forms::Form, public forms::FormInstance<frmPopup> {
private:
    friend class forms::FormInstance<frmPopup>;
    frmPopup();
};
