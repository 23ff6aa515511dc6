// Resource names of the display option dialogs (see resource.h).
#pragma once
