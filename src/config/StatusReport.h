// The status report (Ctrl+Shift+9): one on-screen message with the model, the load
// state, the centre of gravity and the settings stored in the configuration file.
#pragma once

const int kStatusReportSize = 1004;

void ShowStatusReport(void);
