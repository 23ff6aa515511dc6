// An operating-system handle (process, event) passed through the ports
// without the portable code knowing what it is. nullptr means none.
#pragma once

using OsHandle = void*;
