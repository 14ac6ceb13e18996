// The connection the link talks over (handed over by UseConnection), for the link's
// own files only: everyone else gets the owner's object.
#pragma once

#include "link/Connection.h"

Connection& LinkConnection();
