# The 3D table renderer: GL tests of the table drawing (run under Xvfb, label "gl").
ks_gl_tests(table_gl_tests tests/table/gl ks_table)
