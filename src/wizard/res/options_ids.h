// Resource names of the options page and the option dialogs (see resource.h).
#pragma once
