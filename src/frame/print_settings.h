// Print settings: which parts the calculation report holds, how detailed its results are, the
// scale of the sketches, the tolerance of the final result and the preliminary remarks.
#pragma once

#include <cstdio>

// Detail of the results ("Ergebnisse").
enum Detail_Level : int { Detail_Minimal = 0, Detail_Standard = 1, Detail_Full = 2 };

struct Print_Settings {
    int graphics;                  // "Grafik": report sketches
    int extra_information;         // "zusätzliche Informationen"
    int safety_factors;            // "Materialsicherheitsbeiwerte"
    int input_parameters;          // "Eingabeparameter"
    int annex_parameters;          // "Parameter des nationalen Anhangs"
    int standards;                 // "Vorschriften"
    int design_quantities;         // kept for other applications
    int intermediate_results;      // "Zwischenergebnisse" (kept)
    int explanatory_sketches;      // "Erläuterungsskizzen" (kept)
    int detail_level;              // Detail_Level
    int load_combination_detail;   // kept for other applications
    int suppress_numbering;        // "Abschnittsnummerierung unterdrücken"
    int further_switch;            // kept for other applications
    double sketch_scale;           // 1:x of the sketches; 0 automatic
    double tolerance_percent;      // tolerance of the final result, 0..10 %
    char* remarks;                 // "Vorbemerkungen", owned by the record; null for none
};

// The defaults of the running application; frees the remarks. The record must hold a valid remarks
// pointer (null, as in a zero-initialised record).
void Init_Print_Settings(Print_Settings* settings);
// Target re-initialised, then every field copied and the remarks duplicated.
void Copy_Print_Settings(const Print_Settings* source, Print_Settings* target);

// File block, version 7. Result: 0 written or read, 1 failed.
int Write_Print_Settings(FILE* stream, const Print_Settings* settings);
int Read_Print_Settings(FILE* stream, Print_Settings* settings);

// Keeps the tolerance of the final result within 0 to 10 % (a value that is not a number becomes 0).
void Clamp_Tolerance_Percent(double* value);

// The heading "Vorbemerkungen" and the remarks, wrapped; nothing without a stream or text.
void Write_Preliminary_Remarks(FILE* stream, const char* text);
