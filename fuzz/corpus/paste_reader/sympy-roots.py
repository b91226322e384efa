Matrix([[I*sqrt(3), sqrt(3)*1j], [2J*sqrt(3), sqrt(3)/3 - 2*I]])
