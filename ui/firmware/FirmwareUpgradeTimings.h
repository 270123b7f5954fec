#pragma once

// Every wait of the firmware check and upgrade, in milliseconds; tests shorten them.
struct FirmwareUpgradeTimings
{
    int checkDelayMs = 2000;      // start-up device listing to the automatic check
    int openDelayMs = 1000;       // automatic check to the upgrade window
    int bootloaderSettleMs = 600; // bootloader arrival to its search
    int ufwPauseMs = 2000;        // ".ufw" start to the drive probe; blocks the GUI thread
    int bootloaderWaitMs = 20000; // ".bin" start to failure when no bootloader takes the image
};
