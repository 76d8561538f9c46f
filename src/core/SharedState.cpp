// The state the subsystems share.
#include "core/SharedState.h"

namespace SharedState {

bool bCalendar = false;
std::string strOSVersion;
std::string strComName;
std::string strUserName;
std::int32_t BarLeft = 0;
std::int32_t BarTop = 0;

}  // namespace SharedState
