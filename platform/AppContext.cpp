#include "platform/AppContext.h"

AppContext& AppContext::instance() {
    static AppContext ctx;
    return ctx;
}

void AppContext::reset() { *this = AppContext(); }
