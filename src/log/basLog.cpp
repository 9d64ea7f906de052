#include "log/basLog.h"

// Placeholder until the play log lands.
namespace basLog {

void AppendLog(const LogRecord&) {}
void CalcGraphScale(std::int32_t, std::int32_t) {}

} // namespace basLog
