#include "model/TestScript.h"

#include "platform/UniqueId.h"

CTestScript::CTestScript() : CKavroObj(kKindTestScript), id_(MakeUniqueId()) {}
