// The editing variables of the input pages: bits and coded fields of the connection records that the
// pages move out of the records while they are edited, so that check boxes, radio buttons and lists
// can bind to plain ints and doubles. The unpack operations write them, the widgets change them and
// the pack operations rebuild the records' fields from them; the screen sketches read some of them
// while they draw. One record for the whole process, alive as long as the view areas' items.
#pragma once

struct Page_Edit_Flags_Record {
    // Bolted connection: bits of the option word.
    int thread_in_shear_plane = 0;   // bit 3: the thread lies in the shear plane
    int single_lap_one_row = 0;      // bit 4: single-lap joint with one bolt row
    int symmetric_bolt_group = 0;    // bit 6: symmetric group under centric load (no widget)
    int plate_2_unchecked = 0;       // bit 11: plate (eye bar) 2 "ohne Nachweis"
    int eye_bar_1_unchecked = 0;     // bit 16: eye bar 1 "ohne Nachweis", pins only
    // The check box "langer Anschluss": -1 until an unpack seeds it from L_j; afterwards the user's
    // choice. A load of the input file sets it back to -1 (Reseed_Page_Edit_Flags).
    int long_joint_ticked = -1;
    int pin_geometry_checked = 0;    // the geometric requirements of the eye bars are wanted
    int pin_geometry_option = 1;     // 1 "Möglichkeit A", 2 "Möglichkeit B"
    double slip_friction_shown = 0;  // μ of the slip class (display only)
    double angle_bolts_per_row = 0;  // bolts per row of the one-leg angle (no widget)
    // T-stub in tension.
    double row_count = 0;            // number of bolt rows as a float field
    int four_bolts_per_row = 0;      // 1: four bolts per row, 0: two
    // Welded connection: bits of the flag word.
    int weld_directional_method = 0; // bit 3: directional method, else simplified
    int weld_eccentricity_noted = 0; // bit 5: always 1 after an unpack
    // The bolted form has filled its list tables.
    int bolt_lists_ready = 0;
};

extern Page_Edit_Flags_Record Page_Edit_Flags;

// After every load of the input file: the long-joint choice follows the loaded record again at the
// next unpack instead of the choice made before the load.
void Reseed_Page_Edit_Flags();
