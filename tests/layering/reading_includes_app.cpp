// Must not build: the reading passes sit below the window presenters.
#include "app/main_view.h"
