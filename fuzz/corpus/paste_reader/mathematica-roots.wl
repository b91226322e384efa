{{Sqrt[5], I*Sqrt[5]}, {(1 + Sqrt[5])/2, -(1-I)*Sqrt[5]/2}}
