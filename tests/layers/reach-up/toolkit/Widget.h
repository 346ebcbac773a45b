// A toolkit header that reaches up into the application's rules.
#include "app/core/Rules.h"
#include "platform/Platform.h"
#include "toolkit/core/Rules.h"
