// Resource names of the CD files' pages (see resource.h).
#pragma once
