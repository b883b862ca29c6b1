#pragma once

// Registers the Flash control file "Drives\FlashEx.ocx" of the course by calling its
// self-registration entry. Every failure is ignored without a message.
void RegisterFlashControl();
