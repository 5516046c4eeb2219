#pragma once
// The output format codes of the converters, as projects, the settings and the command line
// store them (display names: GetConverterName).
enum OutputFormat : int {
    kFormatNone = 0,
    kFormatSilkTest = 1,
    kFormatPlainText = 2,
    kFormatEsaDovaXml = 3,
    kFormatVornakXml = 4,
    kFormatTestPartner = 5,
    kFormatUniversalFile = 6,
    kFormatUft = 7,
    kFormatWinRunner = 8,
    kFormatAlmSheet = 9,
    kFormatRanorex = 10,
    kFormatSmurf = 11,
    kFormatIbmQmXml = 12,
    kFormatBlockInfoSheet = 13,
    kFormatEsaEudArtXml = 14,
};
