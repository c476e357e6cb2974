// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

namespace zarandola::layout {
namespace {

constexpr const char* sans = "MS Sans Serif";
constexpr FontStyle no_font{nullptr, 0, false};
constexpr FontStyle title_font{sans, 18, true};
constexpr FontStyle regular{sans, 9.75, false};
constexpr FontStyle bold{sans, 9.75, true};
constexpr FontStyle small_bold{sans, 8.25, true};
constexpr FontStyle credit_font{"Comic Sans MS", 8.25, false};

constexpr Colours standard{};
constexpr Colours red_text{Rgb{255, 0, 0}, {}};
constexpr Colours dark_red_text{Rgb{192, 0, 0}, {}};
// Every figure that a run produces, and the fixed theoretical figures.
constexpr Colours simulation{Rgb{0, 0, 255}, Rgb{224, 224, 224}};
constexpr Colours theory{Rgb{192, 0, 0}, Rgb{192, 192, 192}};

constexpr Alignment left = Alignment::Left;
constexpr Alignment centre = Alignment::Centre;
constexpr Alignment right = Alignment::Right;
constexpr Alignment none = Alignment::None;

using enum ControlKind;

// What a screen reader says of the result fields beyond their names.
constexpr const char* simulated_result =
    "Resultado de la última simulación. Se puede escribir encima: «Imprimir» imprime lo que muestre.";
constexpr const char* theoretical_value = "Valor teórico, que «Simular» escribe en cada simulación.";

const ControlRow table[] = {
    // Directly on the window.
    {"Picture1", PictureBox, nullptr, "", 360, 1320, 5175, 2895, no_font, standard, none, 1,
     "Dibujo de las dos ruletas"},
    {"Label1", Label, nullptr, "LAS RULETAS ZARANDOLA", 1800, 120, 5655, 495, title_font, red_text, centre, 2, nullptr},
    {"Label2", Label, nullptr,
     "Para la fiesta de la asociación de vecinos han ideado un juego, en el que el participante ha de girar las dos "
     "ruletas del dibujo. Se consigue premio si las frutas que resultan en ambas son iguales. En tal caso los premios "
     "son los que se indican a continuación:",
     360, 600, 9015, 735, regular, dark_red_text, left, 3, nullptr},
    {"Label3", Label, nullptr,
     "Cerezas ............. 100 pta   Manzanas .......... 200 pta   Limones ............. 500 pta", 6120, 1800, 2895,
     735, bold, dark_red_text, left, 4, nullptr},
    {"Label4", Label, nullptr,
     "Como no tienen interés en conseguir beneficios con el juego, ni tampoco desean perder dinero, no saben a cuánto "
     "han de cobrar la partida.",
     5760, 2640, 3615, 1095, regular, dark_red_text, left, 5, nullptr},
    {"Label5", Label, nullptr, "¿Qué precio les recomendarías?", 5760, 3840, 3495, 375, bold, dark_red_text, left, 6,
     nullptr},
    {"Label6", Label, nullptr, "PREMIOS", 6000, 1440, 2775, 255, bold, dark_red_text, centre, 7, nullptr},
    {"Frame1", Frame, nullptr, "", 720, 4200, 8175, 1215, no_font, standard, none, 8, nullptr},
    {"Frame2", Frame, nullptr, "", 360, 5400, 8895, 3135, no_font, standard, none, 12, nullptr},
    {"Label19", Label, nullptr, "Programa escrito por el equipo de Zarandola, 2026", 480, 8640, 8775, 255, credit_font,
     standard, centre, 38, nullptr},

    // The trial count and the buttons.
    {"numexp", TextBox, "Frame1", " ", 6240, 240, 1215, 330, regular, standard, centre, 0,
     "Indica el número de veces que haremos la simulación", Field::numexp},
    {"Label7", Label, "Frame1", "Indica el número de veces que haremos la simulación", 480, 360, 5655, 375, bold,
     standard, left, 9, nullptr},
    {"Simular", CommandButton, "Frame1", "&Simular", 360, 720, 1215, 375, regular, standard, none, 10, nullptr,
     std::nullopt, Button::Simular},
    {"Borrar", CommandButton, "Frame1", "&Borrar", 2400, 720, 1215, 375, regular, standard, none, 11, nullptr,
     std::nullopt, Button::Borrar},
    {"Command1", CommandButton, "Frame1", "&Imprimir", 4440, 720, 1215, 375, regular, standard, none, 39, nullptr,
     std::nullopt, Button::Command1},
    {"Command2", CommandButton, "Frame1", "&Terminar", 6600, 720, 1215, 375, regular, standard, none, 40, nullptr,
     std::nullopt, Button::Command2},

    // The results: four rows of count, percentage and theoretical percentage.
    {"Label8", Label, "Frame2", "Se obtiene el premio con los limones ............", 240, 600, 4815, 255, bold,
     standard, left, 13, nullptr},
    {"Label9", Label, "Frame2", "Se obtiene el premio con las manzanas ........", 240, 960, 4695, 255, bold, standard,
     left, 14, nullptr},
    {"Label10", Label, "Frame2", "Se obtiene el premio con las cerezas ............", 240, 1320, 4815, 255, bold,
     standard, left, 15, nullptr},
    {"Label11", Label, "Frame2", "No se obtiene ningún premio ...........................", 240, 1680, 4815, 255, bold,
     standard, left, 16, nullptr},
    {"Label12", Label, "Frame2", "nº de veces", 4920, 240, 1335, 255, bold, standard, centre, 17, nullptr},
    {"Label13", Label, "Frame2", "%", 6600, 240, 615, 255, bold, standard, centre, 18, nullptr},
    {"Label14", Label, "Frame2", "% teórico", 7680, 120, 855, 495, bold, standard, centre, 19, nullptr},
    {"limon", TextBox, "Frame2", " ", 5040, 600, 1095, 285, bold, simulation, centre, 20, "Limones, nº de veces",
     Field::limon, std::nullopt, simulated_result},
    {"limonp", TextBox, "Frame2", " ", 6480, 600, 855, 285, bold, simulation, centre, 21, "Limones, %", Field::limonp,
     std::nullopt, simulated_result},
    {"limont", TextBox, "Frame2", " ", 7680, 600, 855, 285, bold, theory, centre, 22, "Limones, % teórico",
     Field::limont, std::nullopt, theoretical_value},
    {"manzana", TextBox, "Frame2", " ", 5040, 960, 1095, 285, bold, simulation, centre, 23, "Manzanas, nº de veces",
     Field::manzana, std::nullopt, simulated_result},
    {"manzanap", TextBox, "Frame2", " ", 6480, 960, 855, 285, bold, simulation, centre, 24, "Manzanas, %",
     Field::manzanap, std::nullopt, simulated_result},
    {"manzanat", TextBox, "Frame2", " ", 7680, 960, 855, 285, bold, theory, centre, 25, "Manzanas, % teórico",
     Field::manzanat, std::nullopt, theoretical_value},
    {"cereza", TextBox, "Frame2", " ", 5040, 1320, 1095, 285, bold, simulation, centre, 26, "Cerezas, nº de veces",
     Field::cereza, std::nullopt, simulated_result},
    {"cerezap", TextBox, "Frame2", " ", 6480, 1320, 855, 285, bold, simulation, centre, 27, "Cerezas, %",
     Field::cerezap, std::nullopt, simulated_result},
    {"cerezat", TextBox, "Frame2", " ", 7680, 1320, 855, 285, bold, theory, centre, 28, "Cerezas, % teórico",
     Field::cerezat, std::nullopt, theoretical_value},
    {"nopre", TextBox, "Frame2", " ", 5040, 1680, 1095, 285, bold, simulation, centre, 29, "Sin premio, nº de veces",
     Field::nopre, std::nullopt, simulated_result},
    {"noprep", TextBox, "Frame2", " ", 6480, 1680, 855, 285, bold, simulation, centre, 30, "Sin premio, %",
     Field::noprep, std::nullopt, simulated_result},
    {"nopret", TextBox, "Frame2", " ", 7680, 1680, 855, 285, bold, theory, centre, 31, "Sin premio, % teórico",
     Field::nopret, std::nullopt, theoretical_value},
    {"Label15", Label, "Frame2", "El premio medio ha sido de ", 240, 2280, 3015, 375, bold, standard, left, 32,
     nullptr},
    {"premed", TextBox, "Frame2", " ", 3240, 2280, 855, 285, bold, simulation, right, 33, "Premio medio", Field::premed,
     std::nullopt, simulated_result},
    {"Label16", Label, "Frame2", "pta, que deberá ser el precio de la partida", 4200, 2280, 4455, 255, bold, standard,
     left, 34, nullptr},
    {"Label17", Label, "Frame2", "El valor teórico (esperanza matemática) es ", 240, 2640, 4575, 255, bold, standard,
     left, 35, nullptr},
    {"espemat", TextBox, "Frame2", " ", 4920, 2640, 855, 285, small_bold, theory, right, 36, "Esperanza matemática",
     Field::espemat, std::nullopt, theoretical_value},
    {"Label18", Label, "Frame2", "pta.", 5880, 2640, 495, 255, bold, standard, left, 37, nullptr},
};

}  // namespace

std::span<const ControlRow> controls() { return table; }

}  // namespace zarandola::layout
