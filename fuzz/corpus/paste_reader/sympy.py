Matrix([[Rational(1, 2), -I], [2*I + 1, Rational(-3, 4)*I]])
