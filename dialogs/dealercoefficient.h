#pragma once

// The current dealer coefficient of this run of the program: 0 at start,
// replaced by every confirmed new camera dialog, handed to the pricing
// library with every camera price. One value for the whole program, not one
// per camera window. User-interface thread only.
double DealerCoefficient();
void SetDealerCoefficient(double value);
