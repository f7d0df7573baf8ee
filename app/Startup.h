#pragma once

// Start-up, the event loop and the report of an error that nothing caught. Returns when the
// application has quit or failed.
void Main();
