// Resource names of the file-to-open page and its dialogs (see resource.h).
#pragma once
