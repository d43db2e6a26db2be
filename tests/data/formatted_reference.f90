! Writes formatted_reference.txt, the reference table of the formatted
! conversions tests: gfortran with halves rounded away from zero (RC).
!   gfortran -O0 formatted_reference.f90 -o gen && ./gen > formatted_reference.txt
! Write lines:  kind width decimals expdigits real4 bits |text|
! Read lines:   R<kind> width decimals |field| result-bits-or-ERR
program formatted_reference
  implicit none
  integer, parameter :: dp = kind(1.0d0)
  integer, parameter :: i8 = selected_int_kind(18)
  real(dp) :: values(2000)
  logical :: single(2000)
  integer :: nv, i, k, j
  integer(i8) :: seed
  real(dp) :: m

  nv = 0
  call add_both(0.0_dp)
  call add_both(-0.0_dp)
  ! examples and boundaries the program relies on
  call add_both(123.456_dp); call add_both(0.012345_dp); call add_both(0.0012345_dp)
  call add_both(6.022142e23_dp); call add_both(5.0_dp); call add_both(500.0_dp)
  call add_both(9.996_dp); call add_both(99960.0_dp); call add_both(-0.5_dp)
  call add_both(0.5_dp); call add_both(12345.0_dp); call add_both(123456.0_dp)
  call add_both(0.0821_dp); call add_both(-2.45e-5_dp); call add_both(0.3_dp)
  call add_both(-2.3456_dp); call add_both(0.09996_dp); call add_both(0.099999_dp)
  call add_both(0.1_dp); call add_both(1.0_dp); call add_both(10.0_dp)
  call add_both(9.9999_dp); call add_both(999.95_dp); call add_both(99999.5_dp)
  call add_both(1.0e-30_dp); call add_both(3.4e38_dp); call add_both(1.0e-40_dp)
  call add_both(2.675_dp); call add_both(1.005_dp); call add_both(-1.0e10_dp)
  call add_both(1.0e99_dp); call add_both(9.9999e99_dp); call add_both(1.0e100_dp)
  call add_both(1.082812437430e90_dp); call add_both(-2.5e-101_dp); call add_both(1.0e300_dp)
  call add_both(2.0_dp); call add_both(2147483647.0_dp); call add_both(0.0625_dp)
  ! exact binary fractions: every one is a tie at some digit
  do k = 1, 24
    call add_both(real(k, dp) / 8.0_dp)
    call add_both(-real(k, dp) / 16.0_dp)
    call add_both(real(2 * k - 1, dp) / 64.0_dp)
    call add_both(real(k * 125, dp) / 2.0_dp)
    call add_both(real(k, dp) * 50.0_dp + 25.0_dp)
  end do
  ! pseudo-random values over many magnitudes, with few and many digits
  seed = 12345_i8
  do k = -14, 14
    do j = 1, 4
      m = 1.0_dp + 9.0_dp * next01()
      if (mod(j + k, 3) == 0) m = real(nint(m * 100.0_dp), dp) / 100.0_dp
      if (mod(j + k, 4) == 1) m = -m
      call add_both(m * 10.0_dp**k)
    end do
  end do

  do i = 1, nv
    call reals(values(i), single(i), i)
  end do
  call integers()
  call reads()

contains

  real(dp) function next01()
    seed = mod(seed * 1103515245_i8 + 12345_i8, 2147483648_i8)
    next01 = real(seed, dp) / 2147483648.0_dp
  end function

  subroutine add_both(x)
    real(dp), intent(in) :: x
    nv = nv + 1; values(nv) = x; single(nv) = .false.
    if (abs(x) < 3.4e38_dp) then
      nv = nv + 1; values(nv) = real(real(x), dp); single(nv) = .true.
    end if
  end subroutine

  ! The descriptors the program uses, plus tight fields; the decimals cycle
  ! with the value so that every count is met without writing them all.
  subroutine reals(x, sp, i)
    real(dp), intent(in) :: x
    logical, intent(in) :: sp
    integer, intent(in) :: i
    call one('F', 8, 0, 0, x, sp); call one('F', 8, 1, 0, x, sp)
    call one('F', 3, 1, 0, x, sp); call one('F', 4, 2, 0, x, sp)
    call one('F', 5, 1, 0, x, sp); call one('F', 10, 2, 0, x, sp)
    call one('F', 15, mod(i, 15), 0, x, sp); call one('F', 24, mod(i, 17), 0, x, sp)
    call one('E', 20, 8, 0, x, sp); call one('E', 20, 1 + mod(i, 15), 0, x, sp)
    call one('E', 9, 3, 0, x, sp); call one('E', 10, 3, 0, x, sp)
    call one('E', 24, 1 + mod(i, 16), 3, x, sp); call one('E', 12, 2, 1, x, sp)
    call one('ES', 20, mod(i, 14), 0, x, sp)
    call one('ES', 10, 2, 0, x, sp); call one('ES', 9, 2, 0, x, sp)
    call one('G', 10, 3, 0, x, sp); call one('G', 20, 6, 0, x, sp)
    call one('G', 12, 1 + mod(i, 5), 0, x, sp); call one('G', 8, 2, 0, x, sp)
  end subroutine

  subroutine one(kind, w, d, e, x, sp)
    character(*), intent(in) :: kind
    integer, intent(in) :: w, d, e
    real(dp), intent(in) :: x
    logical, intent(in) :: sp
    character(len=40) :: fmt
    character(len=60) :: buf
    real :: r
    if (e > 0) then
      write(fmt, '("(RC,",A,I0,".",I0,"E",I0,")")') kind, w, d, e
    else
      write(fmt, '("(RC,",A,I0,".",I0,")")') kind, w, d
    end if
    if (sp) then
      r = real(x)
      write(buf(1:w), fmt) r
    else
      write(buf(1:w), fmt) x
    end if
    write(*, '(A,1X,I0,1X,I0,1X,I0,1X,L1,1X,Z16.16,1X,"|",A,"|")') &
      kind, w, d, e, sp, transfer(x, 0_i8), buf(1:w)
  end subroutine

  subroutine integers()
    integer :: ints(24), i, w
    character(len=40) :: fmt
    character(len=20) :: buf
    ints = [0, 1, -1, 9, 10, -10, 99, 100, -99, 999, 12345, -12345, 255, 4095, &
            65535, 16777215, 16777216, 10000001, 2147483647, -2147483647 - 1, &
            8421504, 43, 7, -7]
    do i = 1, size(ints)
      do w = 1, 10
        write(fmt, '("(I",I0,")")') w
        write(buf(1:w), fmt) ints(i)
        write(*, '("I",1X,I0,1X,"0 0 F",1X,I0,1X,"|",A,"|")') w, ints(i), buf(1:w)
      end do
      do w = 2, 8, 2
        write(fmt, '("(Z",I0,")")') w
        write(buf(1:w), fmt) ints(i)
        write(*, '("Z",1X,I0,1X,"0 0 F",1X,I0,1X,"|",A,"|")') w, ints(i), buf(1:w)
      end do
    end do
  end subroutine

  subroutine reads()
    character(len=16) :: fields(30)
    integer :: i, ios, n, d
    real :: r
    real(dp) :: x
    character(len=40) :: fmt
    fields = [character(len=16) :: '1234', '  12', '-5', '+7', '1 2', '', '12.5', &
              '1.5E3', '1.5e+3', '1.5+3', '-.5', '.25', '3.87e6', '164.4', '1.0d-5', &
              '  40656.00', '0.100E+01', '-0.12345E-03', 'abc', '1.2.3', '1e', '--1', &
              '0012', '7.', '5.29e5', '1E-50', '0.0120', '6.022E23', '2*3.5', '1,2']
    do i = 1, size(fields)
      do d = 0, 2
        write(fmt, '("(F16.",I0,")")') d
        read(fields(i), fmt, iostat=ios) r
        call show_real('RF', 16, d, fields(i), ios, r)
        read(fields(i), fmt, iostat=ios) x
        call show_double('RFD', 16, d, fields(i), ios, x)
      end do
      read(fields(i), '(I16)', iostat=ios) n
      call show_int('RI', fields(i), ios, n)
      read(fields(i), *, iostat=ios) n
      call show_int('RLI', fields(i), ios, n)
      read(fields(i), *, iostat=ios) r
      call show_real('RL', 0, 0, fields(i), ios, r)
      read(fields(i), *, iostat=ios) x
      call show_double('RLD', 0, 0, fields(i), ios, x)
    end do
  end subroutine

  subroutine show_real(kind, w, d, field, ios, r)
    character(*), intent(in) :: kind, field
    integer, intent(in) :: w, d, ios
    real, intent(in) :: r
    if (ios /= 0) then
      write(*, '(A,1X,I0,1X,I0,1X,"|",A,"| ERR")') kind, w, d, field
    else
      write(*, '(A,1X,I0,1X,I0,1X,"|",A,"| ",Z8.8)') kind, w, d, field, transfer(r, 0)
    end if
  end subroutine

  subroutine show_double(kind, w, d, field, ios, x)
    character(*), intent(in) :: kind, field
    integer, intent(in) :: w, d, ios
    real(dp), intent(in) :: x
    if (ios /= 0) then
      write(*, '(A,1X,I0,1X,I0,1X,"|",A,"| ERR")') kind, w, d, field
    else
      write(*, '(A,1X,I0,1X,I0,1X,"|",A,"| ",Z16.16)') kind, w, d, field, transfer(x, 0_i8)
    end if
  end subroutine

  subroutine show_int(kind, field, ios, n)
    character(*), intent(in) :: kind, field
    integer, intent(in) :: ios, n
    if (ios /= 0) then
      write(*, '(A,1X,"16 0 |",A,"| ERR")') kind, field
    else
      write(*, '(A,1X,"16 0 |",A,"| ",I0)') kind, field, n
    end if
  end subroutine
end program
