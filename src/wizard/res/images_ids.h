// Resource names of the image chooser (see resource.h).
#pragma once
