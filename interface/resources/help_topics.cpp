#include "interface/resources/help_topics.h"

namespace velmar {

const std::array<HelpTopic, 43> kHelpTopics{{
    {"system_data.txt", "Help for Selection of Volume, Area, Depth, Length, Width"},
    {"sys1_data.txt", "Help for Selecting System Property Options - Page 1"},
    {"sys2_data.txt", "Help for Selecting System Property Options - Page 2"},
    {"const_data.txt", "Constituent Help"},
    {"data_input.txt", "Data Input Selection Screen Help"},
    {"inflow.txt", "Help for Contaminant Inflow Concentrations"},
    {"tss1.txt", "Help for TSS Option Selection"},
    {"tss2.txt", "Help for TSS Input Options"},
    {"tss3.txt", "Total Suspended Solids (TSS) Data Input Help"},
    {"tsscalc.txt", "Calculated Values Help"},
    {"tcb.txt", "Total Coliform Bacteria (TCB) Data Entry Help"},
    {"bod.txt", "Biochemical Oxygen Demand (BOD) Data Entry Help"},
    {"tn1.txt", "Help for Selecting Known Parameters"},
    {"tn2.txt", "Help for Specified Nitrogen Removal Rate"},
    {"tn5.txt", "Help for Denitrification Rate Data Input Screen"},
    {"const_p_data.txt", "Help for Phosphorous Removal Rate"},
    {"tp1.txt", "Help for Specified Phosphorous Removal Rate"},
    {"tp4.txt", "Help for Wetland Age / Methods"},
    {"tp5.txt", "Help for Active Layer Bulk Density and/or Settling Velocity"},
    {"tp6.txt", "Help for Active Sediment Layer Entry Screen"},
    {"tp7.txt", "Help Screen for Selecting Input Parameters"},
    {"tp8.txt", "Help for Selecting between Load and Flow X Concentration"},
    {"tp9.txt", "Help for Active Sediment Layer Bulk Density"},
    {"tp10.txt", "Help for Determining the Wetland Age Group"},
    {"tp11.txt", "Help for Entering New Wetland Parameters"},
    {"contam1.txt", "Contaminant Help"},
    {"contam2.txt", "Help for Entering Half-Lives"},
    {"contam7.txt", "Help for Heavy Metal Mass Transfer Velocities"},
    {"contam11.txt", "Help for Volatilization and Distribution Coefficients"},
    {"contam12.txt", "Removal Rate Help Screen"},
    {"contam13.txt", "Help for Organic Chemical Mass Transfer Velocities"},
    {"contam14.txt", "Heavy Metal Distribution Coefficient Help Screen"},
    {"contam15.txt", "Help for Heavy Metal and Long Life Radionuclides Input"},
    {"contam19.txt", "Help for Established Wetland Input Screen"},
    {"contam20.txt", "Help for Mass Transfer Velocities"},
    {"contam21.txt",
     "Help for Net Settling, Active Layer Burial Velocity, Active Layer Bulk Density, and Surficial Layer "
     "Bulk "
     "Density"},
    {"contam22.txt", "Help for Resuspension Velocity"},
    {"contam23.txt", "Calculated Values Help"},
    {"contam24.txt", "Calculated Values Help"},
    {"contam25.txt", "Calculated Values Help"},
    {"results.txt", "Help for volumetric removal rate and efficiency output screen"},
    {"sweep.txt", "Help for the Sweep Window"},
    {"size.txt", "Help for the Size Window"},
}};

}  // namespace velmar
