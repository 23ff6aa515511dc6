#include "starter/starter_texts.h"

// The texts are constants in the header; this unit gives the starter library
// its first object file and keeps the header compiled on its own.
