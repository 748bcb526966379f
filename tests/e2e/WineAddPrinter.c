/* Sets up a printer in a wine prefix, as Windows' "Add a printer" would: the
   PostScript driver wine carries and a printer "Roll" on it, printing to a
   file, made the default. Wine sees no printer of its own without a print
   server. */
#include <stdio.h>
#include <windows.h>
#include <winspool.h>

int main(void)
{
    DRIVER_INFO_3W driver = {0};
    driver.cVersion = 3;
    driver.pName = L"Wine PostScript Driver";
    driver.pEnvironment = L"Windows x64";
    driver.pDriverPath = L"wineps.drv";
    driver.pDataFile = L"generic.ppd";
    driver.pConfigFile = L"wineps.drv";
    driver.pDependentFiles = L"\0";
    driver.pDefaultDataType = L"RAW";
    if (!AddPrinterDriverExW(NULL, 3, (BYTE*)&driver, APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
        printf("no driver: error %lu\n", GetLastError());
        return 1;
    }
    PRINTER_INFO_2W printer = {0};
    printer.pPrinterName = L"Roll";
    printer.pPortName = L"FILE:";
    printer.pDriverName = driver.pName;
    printer.pPrintProcessor = L"WinPrint";
    printer.pDatatype = L"RAW";
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE added = AddPrinterW(NULL, 2, (BYTE*)&printer);
    if (!added) {
        printf("no printer: error %lu\n", GetLastError());
        return 1;
    }
    ClosePrinter(added);
    return SetDefaultPrinterW(L"Roll") ? 0 : 1;
}
