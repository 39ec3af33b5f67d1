Measurement notes, 3 March
Reference flat re-qualified; stitch overlap set to 20 %.
