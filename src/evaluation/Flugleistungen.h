// Performance of the trimmed aircraft: glide ratio, climb factor, sink speed, glide angle, forces
// and moments in newtons, the drag line, the required thrust, the neutral point with the stability
// margin, and the moment-sign indicators of the 3D view.
#pragma once

#include "common/Extended.h"

class TFLUGZEUG;

/// Glide ratio, climb factor, sink speed, glide angle, lift, drag and side force, the six moments
/// and the height of the drag line, from the coefficients of the last run and profile evaluation.
void Flugleistungen(TFLUGZEUG& flugzeug);

/// The thrust for the desired climb angle `Steigwinkel`: the weight component plus the drag.
void Schubberechnung(TFLUGZEUG& flugzeug);

/// x of the neutral point from two runs' lift coefficients and pitching coefficients about the
/// zero point, with lu the reference chord.
Extended NeutralpunktAusZweiLaeufen(Extended lu, Extended ca1, Extended cm1, Extended ca2, Extended cm2);

/// Stability margin [% of lu] of the neutral point xn for the centre of gravity xs.
Extended StabilitaetsmassAus(Extended xn, Extended xs, Extended lu);

/// Neutral point, lift-slope angle and stability margin from two runs at the angles a1 and a2
/// with their lift coefficients CA and pitching coefficients about the zero point Cm.
void Neutralpunktbestimmung(TFLUGZEUG& flugzeug, Extended ca1, Extended cm1, Extended a1, Extended ca2, Extended cm2,
                            Extended a2);

/// Roll and yaw indicators of `Momentenrichtung` from `Cmx` and `Cmz` rounded to 4 decimals.
void MomentenrichtungSetzen(TFLUGZEUG& flugzeug);
