// The program's identity, shared by every room of the Windows side.
#include "app_identity.h"

HINSTANCE app_instance = GetModuleHandleA(nullptr);
const char* const app_title = "Kotopai";
const char* const HELP_FILE_NAME = "help\\kotopai.htm";
const char* const HOMEPAGE_FILE_NAME = "help\\home.htm";
