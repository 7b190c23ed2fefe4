// Must build: the reading passes use the link below them.
#include "link/unit_link.h"
