// Resource names of the several-files wizard (see resource.h).
#pragma once
