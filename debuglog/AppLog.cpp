#include "debuglog/AppLog.h"

CDebugLog& AppLog() {
    static CDebugLog log;
    return log;
}
