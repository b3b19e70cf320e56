// The sheet "Bew.fläche Stabstahl": the user enters how many bars of each diameter from 6 to 28 mm
// there are and sees the area of each row and their sum in cm².
#pragma once

// Shows the sheet until the user leaves it: the total area of the entered bars in m² (each row
// rounded to 6 decimals) after OK, -1 after break. The counts and the sheet's place on the screen
// are kept for the next call (the middle of the screen at the first).
double Show_Bar_Area_Sheet();
