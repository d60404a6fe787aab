/* Resource and command ids, shared by the resource script and the code. */
#pragma once

#define IDD_FRAME 500
#define IDC_TAB 1000
#define IDC_ABOUT 1001
#define IDC_APPLY 1002
#define IDC_CLOSE 1003
#define IDD_PAGE_PICKER 1004
#define IDD_PAGE_PALETTE 1005
#define IDD_PAGE_ZOOM 1006
#define IDD_PAGE_LAYERED 1007
#define IDD_PAGE_RANGE 1008
#define IDD_PAGE_KEY 1009
#define IDD_PAGE_OTHER 1010

#define IDS_ABOUT 1001

#define IDM_TRAY 3000
#define IDM_PALETTE 3001
#define IDA_PALETTE 6000

#define CMD_SETTINGS 1300
#define CMD_SHOW_PICKER 1301
#define CMD_SHOW_PALETTE 1302
#define CMD_EXIT 1303
#define CMD_SPUIT 1320
#define CMD_UNLOCK 1321
#define CMD_ZOOM 1400
#define CMD_ZOOM_X4 1404
#define CMD_ZOOM_X8 1408
#define CMD_ZOOM_X12 1412
#define CMD_ZOOM_X16 1416
#define CMD_RANGE_FIRST 1500

#define IDI_SHOWN 5000
#define IDI_SHOWN16 5001
#define IDI_HIDDEN 5002
#define IDI_HIDDEN16 5003
