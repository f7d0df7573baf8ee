#pragma once

#include "platform/Application.h"

// The application object. It adds nothing to the platform's: its one setting, the menu bar,
// is made at start-up.
class App : public platform::Application {};
