// Must not build: the reading passes sit below the window logic.
#include "app/main_view.h"
