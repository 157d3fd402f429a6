#include "ui/command_text.h"
