// Fitting a project's inputs, or the P-k-C* method's k and C*, to monitoring data: a table of
// sampled conditions and observed outflows. A library function apart from any printing, for the
// command, the Python module and the front end alike, and the command's rows and table, which the
// front end writes and shows as the command does.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "model/model_state.h"
#include "project/pkc.h"
#include "study/fields.h"
#include "study/least_squares.h"
#include "study/progress.h"
#include "study/record_table.h"
#include "study/row_writer.h"

namespace velmar::study {

// An observed outflow: a column headed by a results name, TSSoutConc or ContamOutConc[0].
struct ObservedColumn {
    std::string result;
    std::size_t efficiency;  // the constituent's removal efficiency in the results
    double ProjectRecord::*inflow;
};

// The monitoring data, read whole and checked.
struct Observations {
    std::vector<InputField> conditions;  // the input fields the columns set, row by row
    std::vector<ObservedColumn> columns;
    bool dated = false;
    std::vector<std::size_t> rows;   // as a spreadsheet numbers them
    std::vector<std::string> dates;  // as written, when dated
    std::vector<double> values;      // the conditions, row after row, in the fields' units
    // The observed cells, row by row: row (index into `rows`), column, value.
    struct Cell {
        std::size_t row, column;
        double value;
    };
    std::vector<Cell> observed;
};

// Reads observations: input fields by record name with their units in brackets are conditions;
// outflow results (in the inflow's units) are observations, an empty cell meaning not sampled;
// a `date` column is carried along. An unknown column or unit, an empty or non-numeric
// condition, a value its field cannot take, an observation at or below 0 in the log scale, or an
// observed column with no value is refused by row and column.
Observations ReadObservations(std::istream& in, ResidualScale scale);

// What to fit, as the command is asked for it.
struct CalibrationArguments {
    std::vector<std::string> fit;  // "FIELD" or "FIELD=LOW:HIGH"; not with `pkc`
    ResidualScale scale = ResidualScale::Log;
    std::string pkc;  // BOD, TN, TP or TCB: fit the P-k-C* k of it instead
    bool fit_cstar = false;
    pkc::WetlandType type = pkc::WetlandType::FreeWaterSurface;
    std::string tanks;  // P, "plug" for plug flow, or empty: the published P of the type
    int threads = 1;    // the model's rows are run on
};

// One observed result's agreement at the estimates, in its own units.
struct ObservedAgreement {
    std::string result;
    std::size_t n = 0;
    double rmse = 0, bias = 0;  // of modelled - observed
    double nse = 0;             // Nash–Sutcliffe efficiency; not a number when the observations are all one
};

struct CalibrationResidual {
    std::size_t row;
    std::string date;
    std::string result;
    double observed, modelled, residual;
};

struct Calibration {
    LeastSquaresFit fit;
    std::vector<InputField> fields;  // the fitted project fields (none for P-k-C*)
    std::vector<ObservedAgreement> agreement;
    std::vector<CalibrationResidual> residuals;
    std::size_t runs = 0;  // of the model
    std::vector<std::string> notes;
};

// Fits, from the project's values (the published constants for P-k-C*), and gives the estimates
// with their statistics. Bad arguments are refused with a StudyError before fitting, and so is a
// fitted value that changes no observed result.
Calibration Calibrate(const std::string& name, const ModelState& project, const Observations& observations,
                      const CalibrationArguments& arguments, Progress& progress);

// The command's CSV and JSON: a row per fitted value, then per observed result, then one for the
// search: all the observations, the evaluations and runs it took, why it stopped.
std::vector<std::string> CalibrationColumns(const Calibration& c);
std::vector<std::vector<Cell>> CalibrationRows(const Calibration& c);

// The estimates, their correlation and the agreement per observed result as aligned tables for
// people, under `heading`.
void WriteCalibrationTable(std::ostream& out, const std::string& heading, const Calibration& c);

// Writes the project read from `project` with the fitted fields at their estimates to `output`,
// as the front end saves a project, each value set as accepting its screen would.
void SaveFittedProject(const std::string& project, const Calibration& calibration, const std::string& output);

}  // namespace velmar::study
