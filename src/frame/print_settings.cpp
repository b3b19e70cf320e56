#include "frame/print_settings.h"

#include <cstring>
#include <string>

#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "common/tracked_alloc.h"
#include "common/user_comment.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

// Longest preliminary remarks that a file may hold: a page of remarks is a few thousand
// characters, so a larger length can only come from a damaged file.
constexpr long Max_Remarks_Length = 1L << 20;

// The characters between the stream's position and its end; -1 when the stream cannot tell.
long Remaining_Characters(FILE* stream) {
    const long here = std::ftell(stream);
    if (here < 0 || std::fseek(stream, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(stream);
    if (std::fseek(stream, here, SEEK_SET) != 0 || end < here) return -1;
    return end - here;
}

// Reads the remarks of a block: the length, one separating character and exactly that many
// characters, '~' standing for blanks. Result: 0 read, 1 failed.
int Read_Remarks(FILE* stream, Print_Settings& S) {
    int length = 0;
    if (Scan_Stream(stream, "%d", &length) != 1) return 1;
    MEM_FREE(S.remarks);
    S.remarks = nullptr;
    if (length < 1) return 0;
    const long remaining = Remaining_Characters(stream);
    if (length > Max_Remarks_Length || (remaining >= 0 && length + 1L > remaining)) return 1;
    char* text = static_cast<char*>(MEM_CALLOC(static_cast<std::size_t>(length) + 1, 1));
    if (!text) Abort_Out_Of_Memory();
    std::fgetc(stream);   // the blank between the length and the text
    for (int k = 0; k < length; ++k) {
        int c = std::fgetc(stream);
        // The length counts a line break as one character; a file with CR LF line ends holds two.
        if (c == '\r') {
            const int next = std::fgetc(stream);
            if (next == '\n')
                c = next;
            else if (next != EOF)
                std::ungetc(next, stream);
        }
        if (c == EOF) {
            MEM_FREE(text);
            return 1;
        }
        text[k] = static_cast<char>(c);
    }
    Decode_Blanks(text);
    S.remarks = text;
    return 0;
}

}  // namespace

void Init_Print_Settings(Print_Settings* settings) {
    if (!settings) return;
    MEM_FREE(settings->remarks);
    Print_Settings& S = *settings;
    S = Print_Settings{};
    S.graphics = 1;
    S.extra_information = 0;
    S.safety_factors = 1;
    S.input_parameters = 1;
    S.annex_parameters = 0;
    S.standards = 1;
    S.design_quantities = 1;
    S.intermediate_results = 1;
    S.explanatory_sketches = 1;
    S.detail_level = Detail_Standard;
    S.load_combination_detail = 1;
    S.suppress_numbering = 0;
    S.further_switch = 0;
    S.sketch_scale = 0.0;
    S.tolerance_percent = 0.0;
    S.remarks = nullptr;
    // The same record serves other applications of the host with their own defaults.
    const int application = CurOb_Application_Number();
    if (application != 150 && application != 152 && application != 162) {
        S.detail_level = 3;
        S.load_combination_detail = 1;
    }
    if (application == 157 || application == 170) S.further_switch = 1;
}

void Copy_Print_Settings(const Print_Settings* source, Print_Settings* target) {
    if (!target || source == target) return;
    Init_Print_Settings(target);
    if (!source) return;
    *target = *source;
    target->remarks = nullptr;
    if (source->remarks && *source->remarks) {
        const std::size_t size = std::strlen(source->remarks) + 1;
        target->remarks = static_cast<char*>(MEM_CALLOC(size, 1));
        if (!target->remarks) Abort_Out_Of_Memory();
        std::memcpy(target->remarks, source->remarks, size);
    }
}

int Write_Print_Settings(FILE* stream, const Print_Settings* settings) {
    if (!stream || !settings) return 1;
    const Print_Settings& S = *settings;
    if (Print_To_Stream(stream, " %d\n", 7) < 0) return 1;
    if (Print_To_Stream(stream, " %d %d %d %d %d %lf %d %d %d %d %d %d %d %d %lf\n", S.graphics,
                        S.extra_information, S.safety_factors, S.input_parameters, S.detail_level, S.sketch_scale,
                        S.annex_parameters, S.standards, S.design_quantities, S.intermediate_results,
                        S.explanatory_sketches, S.load_combination_detail, S.suppress_numbering,
                        S.further_switch, S.tolerance_percent) < 0)
        return 1;
    const std::size_t length = S.remarks ? std::strlen(S.remarks) : 0;
    if (Print_To_Stream(stream, " %d", static_cast<int>(length)) < 0) return 1;
    if (length > 0) {
        std::string word(S.remarks);
        Encode_Blanks(word.data());
        if (Print_To_Stream(stream, " %s", word.c_str()) < 0) return 1;
    }
    return Print_To_Stream(stream, "\n") < 0 ? 1 : 0;
}

int Read_Print_Settings(FILE* stream, Print_Settings* settings) {
    if (!stream || !settings) return 1;
    Print_Settings& S = *settings;
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, 7, 0)) return 1;
    if (Scan_Stream(stream, "%d%d%d%d%d%lf%d%d%d", &S.graphics, &S.extra_information, &S.safety_factors,
                    &S.input_parameters, &S.detail_level, &S.sketch_scale, &S.annex_parameters, &S.standards,
                    &S.design_quantities) != 9)
        return 1;
    if (version <= 0) return 0;
    // Each later version appends fields; what a version lacks keeps the defaults of the reset.
    struct Added_Field {
        int since;
        int* value;
    };
    const Added_Field added[] = {
        {1, &S.intermediate_results},
        {2, &S.explanatory_sketches},
        {3, &S.load_combination_detail},
        {4, &S.suppress_numbering},
        {6, &S.further_switch},
    };
    for (const Added_Field& f : added)
        if (version >= f.since && Scan_Stream(stream, "%d", f.value) != 1) return 1;
    if (version >= 7) {
        if (Scan_Stream(stream, "%lf", &S.tolerance_percent) != 1) return 1;
        // The verdict accepts utilisations up to 1 + tolerance; a file may not widen that.
        Clamp_Tolerance_Percent(&S.tolerance_percent);
    }
    if (version >= 5) return Read_Remarks(stream, S);
    return 0;
}

void Clamp_Tolerance_Percent(double* value) {
    if (!value) return;
    if (!(*value >= 0.0))
        *value = 0.0;
    else if (*value > 10.0)
        *value = 10.0;
}

void Write_Preliminary_Remarks(FILE* stream, const char* text) {
    if (!stream || !text || !*text) return;
    OLI_Printf(stream, "╬HVorbemerkungen\n"_cp);
    Print_Wrapped_Text(stream, text);
    OLI_Add_Paragraph_Space(0.3);
}
